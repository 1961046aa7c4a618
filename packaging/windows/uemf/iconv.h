/*
 * SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
 * SPDX-License-Identifier: GPL-2.0-or-later
 *
 * MinGW has no iconv. libUEMF converts only between UTF-8, UTF-16LE, UTF-32LE and LATIN1
 * (optionally //TRANSLIT), so this small converter stands in for it on Windows.
 */
#ifndef STOCKS_UEMF_ICONV_H
#define STOCKS_UEMF_ICONV_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct stocks_iconv* iconv_t;

iconv_t iconv_open(const char* to, const char* from);
size_t iconv(iconv_t conversion, char** in, size_t* in_left, char** out, size_t* out_left);
int iconv_close(iconv_t conversion);

#ifdef __cplusplus
}
#endif

#endif
