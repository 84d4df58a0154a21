/*
 * mdvr808.h - the configuration plug-in's interface for host applications.
 *
 * A host loads the plug-in, calls the exports below in the documented order and
 * carries parameter lists to and from the terminal through three callbacks.
 * Lists are JT/T 808 terminal-parameter lists: a count byte, then items of a
 * 32-bit big-endian parameter ID, an 8-bit length and the value bytes.
 * Texts in lists are bytes of the ANSI code page: on Windows the system's, on
 * Linux GBK (code page 936) unless the environment variable MDVR_ANSI_CHARSET
 * names another charset ("UTF-8", "GB18030", "936", ...) before the plug-in
 * converts its first text.
 *
 * Compiles as C and as C++.
 */
#ifndef MDVR808_H
#define MDVR808_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#define MDVR_CALL __stdcall
#else
#define MDVR_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define MDVR_FETCH_CAPACITY 2048u
#define MDVR_SAVE_CAPACITY 1024u
#define MDVR_BATCH_RECORD_SIZE 244u

/* Commands passed to the callbacks. */
#define MDVR_CMD_GET_ALL 0
#define MDVR_CMD_QUERY 0x8106
#define MDVR_CMD_SET 1

/* A list crossing the host boundary for fetching and multi-device saving. */
typedef struct MDVR_ParamBuffer {
  uint32_t length; /* bytes used */
  uint8_t bytes[MDVR_FETCH_CAPACITY];
} MDVR_ParamBuffer;

/* A list crossing the host boundary for a normal save and its reply. */
typedef struct MDVR_ParamBufferSmall {
  uint32_t length;
  uint8_t bytes[MDVR_SAVE_CAPACITY];
} MDVR_ParamBufferSmall;

/* Handed to the multi-device callback; every other byte is zero. */
typedef struct MDVR_BatchSetRecord {
  uint8_t reserved0[132];
  uint32_t mode; /* always 2 */
  uint8_t reserved1[56];
  uint32_t kindExtra; /* second output of the page's kind query; 0 */
  uint8_t reserved2[4];
  uint32_t marker; /* always 115 */
  uint32_t kind;   /* the page's kind code */
  uint8_t reserved3[36];
} MDVR_BatchSetRecord;

/* Filled by MDVR_GetPluginParam: fields 1 and 2 are set to 1. */
typedef struct MDVR_PluginParam {
  int32_t field0;
  int32_t field1;
  int32_t field2;
} MDVR_PluginParam;

/* Callbacks return non-zero on success. */
typedef int(MDVR_CALL *MDVR_ConfigGetFunc)(int command, MDVR_ParamBuffer *request,
                                           MDVR_ParamBuffer *reply, void *user);
typedef int(MDVR_CALL *MDVR_ConfigSetFunc)(int command, MDVR_ParamBufferSmall *request,
                                           MDVR_ParamBufferSmall *reply, void *user);
typedef int(MDVR_CALL *MDVR_ConfigMultiSetFunc)(MDVR_BatchSetRecord *record,
                                                MDVR_ParamBuffer *list, void *user);

/* The host's window handle and message record (HWND and MSG* on Windows). */
typedef void *MDVR_HWND;
#ifdef _WIN32
typedef struct tagMSG MDVR_MSG;
#else
typedef struct MDVR_MSG {
  MDVR_HWND hwnd;
  uint32_t message;
  uintptr_t wParam;
  intptr_t lParam;
  uint32_t time;
  int32_t ptX;
  int32_t ptY;
} MDVR_MSG;
#endif

int MDVR_CALL MDVR_IsEnableDll(int type, int subType, int reserved);
int MDVR_CALL MDVR_GetPluginParam(MDVR_PluginParam *param);
int MDVR_CALL MDVR_GetDisplayWidth(void);
int MDVR_CALL MDVR_GetDisplayHeight(void);
void MDVR_CALL MDVR_SetConfigFunction(MDVR_ConfigSetFunc func, void *unused, void *user);
void MDVR_CALL MDVR_SetConfigFunctionEx(MDVR_ConfigGetFunc func, void *user);
void MDVR_CALL MDVR_SetConfigFuncMutli(MDVR_ConfigMultiSetFunc func, void *user);
int MDVR_CALL MDVR_SetLangPath(const char *path);
int MDVR_CALL MDVR_SetDevType(int type);
int MDVR_CALL MDVR_SetDevID(int devId);
int MDVR_CALL MDVR_DisplayConfig(MDVR_HWND parent, int unused);
void MDVR_CALL MDVR_DisplayUpdate(void);
int MDVR_CALL MDVR_DllPreTranslateMessage(MDVR_MSG *msg);
int MDVR_CALL MDVR_ActivePage(void);
int MDVR_CALL MDVR_SaveLocalCfgFile(int unused1, int unused2);
int MDVR_CALL MDVR_IsLoadConfigFile(void);

#ifdef __cplusplus
}
#endif

/* Layout checks: hosts written against this header depend on these offsets. */
#ifdef __cplusplus
#define MDVR_STATIC_ASSERT(c, m) static_assert(c, m)
#else
#define MDVR_STATIC_ASSERT(c, m) _Static_assert(c, m)
#endif
#include <stddef.h>
MDVR_STATIC_ASSERT(sizeof(MDVR_ParamBuffer) == 4 + MDVR_FETCH_CAPACITY, "fetch buffer size");
MDVR_STATIC_ASSERT(sizeof(MDVR_ParamBufferSmall) == 4 + MDVR_SAVE_CAPACITY, "save buffer size");
MDVR_STATIC_ASSERT(offsetof(MDVR_ParamBuffer, bytes) == 4, "buffer bytes offset");
MDVR_STATIC_ASSERT(sizeof(MDVR_BatchSetRecord) == MDVR_BATCH_RECORD_SIZE, "batch record size");
MDVR_STATIC_ASSERT(offsetof(MDVR_BatchSetRecord, mode) == 132, "batch mode offset");
MDVR_STATIC_ASSERT(offsetof(MDVR_BatchSetRecord, kindExtra) == 192, "batch extra offset");
MDVR_STATIC_ASSERT(offsetof(MDVR_BatchSetRecord, marker) == 200, "batch marker offset");
MDVR_STATIC_ASSERT(offsetof(MDVR_BatchSetRecord, kind) == 204, "batch kind offset");
MDVR_STATIC_ASSERT(sizeof(MDVR_PluginParam) == 12, "plugin param size");

#endif /* MDVR808_H */
