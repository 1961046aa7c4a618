/*
 * SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
 * SPDX-License-Identifier: GPL-2.0-or-later
 *
 * The conversions libUEMF asks iconv for, with iconv's contract: on failure (size_t)-1 and errno
 * EILSEQ (bad input or, without //TRANSLIT, a character the target lacks), EINVAL (input ends
 * inside a character) or E2BIG (output full); the pointers then stand after the last whole
 * character converted. //TRANSLIT writes '?' instead and counts it as irreversible.
 */
#include "iconv.h"

#include <errno.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

enum encoding { UTF8, UTF16LE, UTF32LE, LATIN1 };

struct stocks_iconv {
    enum encoding from;
    enum encoding to;
    int transliterate;
};

static int encoding_named(const char* name, enum encoding* found, int* transliterate)
{
    static const struct {
        const char* name;
        enum encoding encoding;
    } names[] = {{"UTF-8", UTF8}, {"UTF-16LE", UTF16LE}, {"UTF-32LE", UTF32LE}, {"LATIN1", LATIN1}};
    size_t length = strcspn(name, "/");
    *transliterate = strcmp(name + length, "//TRANSLIT") == 0;
    if (name[length] != '\0' && !*transliterate)
        return 0;
    for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i) {
        if (strlen(names[i].name) == length && strncmp(names[i].name, name, length) == 0) {
            *found = names[i].encoding;
            return 1;
        }
    }
    return 0;
}

iconv_t iconv_open(const char* to, const char* from)
{
    struct stocks_iconv conversion;
    int ignored;
    if (!encoding_named(to, &conversion.to, &conversion.transliterate) ||
        !encoding_named(from, &conversion.from, &ignored)) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    iconv_t made = malloc(sizeof conversion);
    if (made == NULL)
        return (iconv_t)-1;
    *made = conversion;
    return made;
}

int iconv_close(iconv_t conversion)
{
    free(conversion);
    return 0;
}

static int valid_code_point(uint32_t c)
{
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

/* Reads one character: its byte count, 0 for a cut-off character, -1 for a bad one. */
static int decode_utf8(const unsigned char* s, size_t left, uint32_t* c)
{
    int count = s[0] < 0x80 ? 1 : (s[0] & 0xE0) == 0xC0 ? 2 : (s[0] & 0xF0) == 0xE0 ? 3
                              : (s[0] & 0xF8) == 0xF0 ? 4 : -1;
    static const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (count < 0)
        return -1;
    *c = count == 1 ? s[0] : s[0] & (0x7F >> count);
    for (int i = 1; i < count; ++i) {
        if ((size_t)i >= left)
            return 0;
        if ((s[i] & 0xC0) != 0x80)
            return -1;
        *c = (*c << 6) | (s[i] & 0x3F);
    }
    return *c < smallest[count] || !valid_code_point(*c) ? -1 : count;
}

static int decode_utf16le(const unsigned char* s, size_t left, uint32_t* c)
{
    if (left < 2)
        return 0;
    uint32_t unit = s[0] | (uint32_t)s[1] << 8;
    if (unit >= 0xDC00 && unit <= 0xDFFF)
        return -1;
    if (unit < 0xD800 || unit > 0xDBFF) {
        *c = unit;
        return 2;
    }
    if (left < 4)
        return 0;
    uint32_t low = s[2] | (uint32_t)s[3] << 8;
    if (low < 0xDC00 || low > 0xDFFF)
        return -1;
    *c = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    return 4;
}

static int decode(enum encoding from, const unsigned char* s, size_t left, uint32_t* c)
{
    switch (from) {
    case UTF8:
        return decode_utf8(s, left, c);
    case UTF16LE:
        return decode_utf16le(s, left, c);
    case UTF32LE:
        if (left < 4)
            return 0;
        *c = s[0] | (uint32_t)s[1] << 8 | (uint32_t)s[2] << 16 | (uint32_t)s[3] << 24;
        return valid_code_point(*c) ? 4 : -1;
    case LATIN1:
        *c = s[0];
        return 1;
    }
    return -1;
}

/* Writes one character into out (room for 4 bytes); returns its byte count. */
static int encode(enum encoding to, uint32_t c, unsigned char* out)
{
    switch (to) {
    case UTF8:
        if (c < 0x80) {
            out[0] = (unsigned char)c;
            return 1;
        }
        int count = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        static const unsigned char lead[] = {0, 0, 0xC0, 0xE0, 0xF0};
        for (int i = count - 1; i > 0; --i, c >>= 6)
            out[i] = (unsigned char)(0x80 | (c & 0x3F));
        out[0] = (unsigned char)(lead[count] | c);
        return count;
    case UTF16LE:
        if (c < 0x10000) {
            out[0] = (unsigned char)c;
            out[1] = (unsigned char)(c >> 8);
            return 2;
        }
        encode(UTF16LE, 0xD800 + ((c - 0x10000) >> 10), out);
        encode(UTF16LE, 0xDC00 + ((c - 0x10000) & 0x3FF), out + 2);
        return 4;
    case UTF32LE:
        for (int i = 0; i < 4; ++i)
            out[i] = (unsigned char)(c >> (8 * i));
        return 4;
    case LATIN1:
        out[0] = (unsigned char)c;
        return 1;
    }
    return 0;
}

size_t iconv(iconv_t conversion, char** in, size_t* in_left, char** out, size_t* out_left)
{
    size_t irreversible = 0;
    if (in == NULL || *in == NULL)
        return 0; /* No shift state to reset. */
    while (*in_left > 0) {
        uint32_t c = 0;
        int used = decode(conversion->from, (const unsigned char*)*in, *in_left, &c);
        if (used <= 0) {
            errno = used == 0 ? EINVAL : EILSEQ;
            return (size_t)-1;
        }
        if (conversion->to == LATIN1 && c > 0xFF) {
            if (!conversion->transliterate) {
                errno = EILSEQ;
                return (size_t)-1;
            }
            c = '?';
            ++irreversible;
        }
        unsigned char bytes[4];
        int made = encode(conversion->to, c, bytes);
        if ((size_t)made > *out_left) {
            errno = E2BIG;
            return (size_t)-1;
        }
        memcpy(*out, bytes, (size_t)made);
        *out += made;
        *out_left -= (size_t)made;
        *in += used;
        *in_left -= (size_t)used;
    }
    return irreversible;
}
