/* The public header must stand alone in a C11 translation unit; it reports the layouts C sees. */
#include <stddef.h>

#include "mdvr808.h"

#include "include/HeaderLayout.h"

static int MDVR_CALL FetchNothing(int command, MDVR_ParamBuffer* request, MDVR_ParamBuffer* reply,
                                  void* user) {
    (void)command;
    (void)request;
    (void)user;
    reply->length = 0;
    return 1;
}

MDVR_ConfigGetFunc mdvr_header_c_callback(void) {
    return FetchNothing;
}

void mdvr_header_c_layout(size_t out[MDVR_LAYOUT_COUNT]) {
    out[0] = sizeof(MDVR_ParamBuffer);
    out[1] = sizeof(MDVR_ParamBufferSmall);
    out[2] = sizeof(MDVR_BatchSetRecord);
    out[3] = offsetof(MDVR_BatchSetRecord, kind);
    out[4] = sizeof(MDVR_PluginParam);
    out[5] = sizeof(MDVR_MSG);
    out[6] = offsetof(MDVR_MSG, wParam);
}
