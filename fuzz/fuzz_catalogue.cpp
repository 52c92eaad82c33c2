// The whole catalogue reader on arbitrary file contents. The first byte says
// which file the rest is: even for "rims.txt", odd for "hubs.txt".
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const bool hubs = data[0] & 1;
    FILE *f = fmemopen(const_cast<uint8_t *>(data + 1), size - 1, "rb");
    if (!f)
        return 0;
    size_t crs = 0;
    for (size_t i = 1; i < size; i++)
        crs += data[i] == '\r';
    // No menus: the entries are still built, and appending to no menu is a no-op.
    if (hubs)
        ReadHubs(f, nullptr);
    else
        ReadRims(f, nullptr);
    fclose(f);
    const size_t header = hubs ? 8 : 1;
    const size_t expected = crs > header ? crs - header : 0;
    if ((size_t)(hubs ? hubc : rimc) != expected)
        abort();
    for (SInt32 i = 0; i < rimc; i++)
        if (!IsUtf8(rimt[i].text1) || !IsUtf8(rimt[i].text2) || !IsUtf8(rimt[i].text3))
            abort();
    for (SInt32 i = 0; i < hubc; i++)
        if (!IsUtf8(hubt[i].text1) || !IsUtf8(hubt[i].text4))
            abort();
    FreeCatalogues();
    return 0;
}
