/* Shared by the C and C++ header checks: the layouts each language reports. */
#ifndef MDVR_TESTS_HEADER_LAYOUT_H
#define MDVR_TESTS_HEADER_LAYOUT_H

#include <stddef.h>

#include "mdvr808.h"

#define MDVR_LAYOUT_COUNT 7

#ifdef __cplusplus
extern "C" {
#endif
void mdvr_header_c_layout(size_t out[MDVR_LAYOUT_COUNT]);
MDVR_ConfigGetFunc mdvr_header_c_callback(void);
#ifdef __cplusplus
}
#endif

#endif
