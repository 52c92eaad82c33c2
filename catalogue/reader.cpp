#include <stdlib.h>
#include <string.h>

#include "app/globals.h"
#include "calc/numtext.h"
#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/encoding.h"
#include "form/items.h"

RimRecord *rimt = nullptr;
SInt32 rimc = 0;
HubRecord *hubt = nullptr;
SInt32 hubc = 0;

namespace {

enum { kRimHeaderLines = 1, kHubHeaderLines = 8, kRimFields = 4, kHubFields = 9 };

// Splits a line at its first count-1 tabs, each replaced by NUL. A line with
// too few tabs gives empty texts for the fields it lacks; the last field keeps
// any further tabs.
void SplitFields(char *line, char **fields, int count)
{
    static char empty[] = "";
    char *p = line;
    for (int i = 0; i < count; i++) {
        fields[i] = p ? p : empty;
        if (i == count - 1 || !p)
            continue;
        char *tab = strchr(p, '\t');
        if (tab)
            *tab = '\0';
        p = tab ? tab + 1 : nullptr;
    }
}

// Counts the CR-ended lines of a file and judges its encoding on the way; leaves
// the file at its start.
SInt32 CountLines(FILE *file, TextEncoding *encoding)
{
    char line[kLineSize];
    EncodingGuess guess;
    SInt32 count = 0;
    while (fgetline(file, line)) {
        GuessLine(&guess, line);
        if (count < INT32_MAX)
            count++;
    }
    rewind(file);
    *encoding = GuessEncoding(&guess);
    return count;
}

// A record's own copy of a field, in UTF-8.
char *CopyText(const char *field, TextEncoding encoding)
{
    char text[kUtf8LineSize];
    Text2Utf8(field, encoding, text, sizeof text);
    return _strdup(text);
}

void AppendEntry(MenuRef menu, const char *first, const char *second)
{
    char entry[2 * kUtf8LineSize];
    snprintf(entry, sizeof entry, "%s %s", first ? first : "", second ? second : "");
    XMenuAppendItemStr(menu, entry);
}

// Opens a catalogue in the data folder; null when the path would not fit the
// buffer (a folder that long is treated as one without catalogues).
FILE *OpenCatalogue(const char *name)
{
    char file[256];
    if (path[0] == '\0')
        return nullptr;
    const int n = snprintf(file, sizeof file, "%s%s", path, name);
    if (n < 0 || n >= (int)sizeof file)
        return nullptr;
    return fopen(file, "rb");
}

}  // namespace

Boolean fgetline(FILE *file, char *line)
{
    size_t n = 0;
    int c;
    // One byte at a time, without taking the stream's lock for each: the file
    // is this thread's alone.
    while ((c = getc_unlocked(file)) != EOF) {
        if (c == '\r') {
            line[n] = '\0';
            return TRUE;
        }
        // Past 254 bytes the rest of the line is skipped, not split off as
        // another line: the records after it still line up.
        if (n < kLineSize - 2)
            line[n++] = (char)c;
    }
    line[n] = '\0';
    return FALSE;
}

char *_strdup(const char *text)
{
    const size_t n = strlen(text) + 1;
    char *copy = (char *)malloc(n);
    if (copy)
        memcpy(copy, text, n);
    return copy;
}

void ReadRims(FILE *file, MenuRef rimMenu)
{
    TextEncoding encoding;
    const SInt32 capacity = CountLines(file, &encoding);
    RimRecord *table = capacity > 0 ? (RimRecord *)calloc((size_t)capacity, sizeof *table) : nullptr;
    if (!table)
        return;
    rimt = table;
    rimc = 0;
    char line[kLineSize];
    char *f[kRimFields];
    fgetline(file, line);  // the header
    // Bounded by the count as well: the file may have grown between the passes.
    while (rimc < capacity && fgetline(file, line)) {
        SplitFields(line, f, kRimFields);
        RimRecord *r = &rimt[rimc];
        r->text3 = CopyText(f[3], encoding);
        r->text1 = CopyText(f[1], encoding);
        r->text2 = CopyText(f[2], encoding);
        AppendEntry(rimMenu, r->text1, r->text3);
        Str2Double(f[0], &r->diameter);
        rimc++;
    }
}

void ReadHubs(FILE *file, MenuRef hubMenu)
{
    TextEncoding encoding;
    const SInt32 capacity = CountLines(file, &encoding);
    HubRecord *table = capacity > 0 ? (HubRecord *)calloc((size_t)capacity, sizeof *table) : nullptr;
    if (!table)
        return;
    hubt = table;
    hubc = 0;
    char line[kLineSize];
    char *f[kHubFields];
    for (int i = 0; i < kHubHeaderLines; i++)
        fgetline(file, line);
    while (hubc < capacity && fgetline(file, line)) {
        SplitFields(line, f, kHubFields);
        HubRecord *h = &hubt[hubc];
        Str2Double(f[0], &h->holeDiameter);
        Str2Double(f[1], &h->flangeDiameter1);
        Str2Double(f[2], &h->flangeDistance1);
        Str2Double(f[3], &h->flangeDiameter2);
        Str2Double(f[4], &h->flangeDistance2);
        h->text1 = CopyText(f[5], encoding);
        h->text2 = CopyText(f[6], encoding);
        h->text3 = CopyText(f[7], encoding);
        h->text4 = CopyText(f[8], encoding);
        AppendEntry(hubMenu, h->text1, h->text4);
        hubc++;
    }
}

SInt16 DoReadData(MenuRef rimMenu, MenuRef hubMenu)
{
    if (FILE *rims = OpenCatalogue("rims.txt")) {
        ReadRims(rims, rimMenu);
        fclose(rims);
    }
    if (FILE *hubs = OpenCatalogue("hubs.txt")) {
        ReadHubs(hubs, hubMenu);
        fclose(hubs);
    }
    return 1;
}

void FreeCatalogues(void)
{
    for (SInt32 i = 0; i < rimc; i++) {
        free(rimt[i].text1);
        free(rimt[i].text2);
        free(rimt[i].text3);
    }
    for (SInt32 i = 0; i < hubc; i++) {
        free(hubt[i].text1);
        free(hubt[i].text2);
        free(hubt[i].text3);
        free(hubt[i].text4);
    }
    free(rimt);
    free(hubt);
    rimt = nullptr;
    hubt = nullptr;
    rimc = hubc = 0;
}
