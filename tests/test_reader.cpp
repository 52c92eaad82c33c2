// SPDX-FileCopyrightText: 2026 The Quennick developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue reader without a window: line ends, blank lines, text encodings,
// files that are not catalogues, and files read as they always were.
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <errno.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <limits>
#include <type_traits>
#include <sstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "catalogue/catalogue.h"
#include "catalogue/catalogue_testing.h"
#include "catalogue/report.h"

namespace {

const std::string kHubHeader = "h1\rh2\rh3\rh4\rh5\rh6\rh7\rh8\r";

// The records of the tables, one line each, numbers to the last bit.
std::string Records()
{
    std::string s;
    char n[160];
    for (SInt32 i = 0; i < rimc; i++) {
        snprintf(n, sizeof n, "%.17g", rimt[i].diameter);
        s += std::string(n) + "\t" + rimt[i].text1 + "\t" + rimt[i].text2 + "\t" + rimt[i].text3 +
             "\n";
    }
    for (SInt32 i = 0; i < hubc; i++) {
        const HubRecord &h = hubt[i];
        snprintf(n, sizeof n, "%.17g\t%.17g\t%.17g\t%.17g\t%.17g", h.holeDiameter,
                 h.flangeDiameter1, h.flangeDistance1, h.flangeDiameter2, h.flangeDistance2);
        s += std::string(n) + "\t" + h.text1 + "\t" + h.text2 + "\t" + h.text3 + "\t" + h.text4 +
             "\n";
    }
    return s;
}

std::string Load(const std::string &bytes, bool hubs, CatalogueReport *report = nullptr)
{
    FreeCatalogues();
    CatalogueReport own = {};
    FILE *f = fmemopen(const_cast<char *>(bytes.data()), bytes.size(), "rb");
    if (hubs)
        ReadHubsReport(f, nullptr, report ? report : &own);
    else
        ReadRimsReport(f, nullptr, report ? report : &own);
    fclose(f);
    return Records();
}

std::string FileBytes(const std::string &name)
{
    std::ifstream in(name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct LineCase {
    const char *name;
    std::string bytes;
};

// Every way of ending and spacing lines gives the same two records.
TEST(Reader, LineEndsAndBlankLinesGiveTheSameRecords)
{
    const std::string expected = "600\tA\tB\tC\n601.5\tD\tE\tF\n";
    const LineCase cases[] = {
        {"CR", "h\r600\tA\tB\tC\r601,5\tD\tE\tF\r"},
        {"LF", "h\n600\tA\tB\tC\n601,5\tD\tE\tF\n"},
        {"CR LF", "h\r\n600\tA\tB\tC\r\n601,5\tD\tE\tF\r\n"},
        {"mixed", "h\r\n600\tA\tB\tC\n601,5\tD\tE\tF\r"},
        {"no end after the last record", "h\n600\tA\tB\tC\n601,5\tD\tE\tF"},
        {"blank lines between and after", "h\r\r600\tA\tB\tC\r\r  \t\r601,5\tD\tE\tF\r\r\n\n"},
        {"blank header still counts", "\n600\tA\tB\tC\n\n601,5\tD\tE\tF\n"},
    };
    for (const LineCase &c : cases)
        EXPECT_EQ(Load(c.bytes, false), expected) << c.name;

    CatalogueReport report = {};
    Load("h\r\n600\tA\tB\tC\n\n601,5\tD\tE\tF\r", false, &report);
    EXPECT_EQ(report.crlfLines, 1);
    EXPECT_EQ(report.lfLines, 2);
    EXPECT_EQ(report.crLines, 1);
    EXPECT_EQ(report.blankLines, 1);
    EXPECT_FALSE(report.unterminated);
}

struct TextCase {
    const char *name;
    std::string bytes;
    bool hubs;
    std::string records;
};

// A text that is valid UTF-8 shows as it is; any other through the single-byte
// table the file's other non-UTF-8 lines point to.
TEST(Reader, EncodingIsDecidedPerText)
{
    // The line's 254th byte is the second of the euro sign's three.
    const std::string cut = std::string(242, 'x') + "\xC3\xA9\xE2\x82\xAC tail";
    const TextCase cases[] = {
        {"UTF-8 file with one Windows-1252 line",
         "h\r600\tCaf\xC3\xA9\tGr\xC3\xB6\xC3\x9F"
         "e\tx\r601\tCaf\xE9\tM\xFCller\ty\r",
         false,
         "600\tCaf\xC3\xA9\tGr\xC3\xB6\xC3\x9F"
         "e\tx\n601\tCaf\xC3\xA9\tM\xC3\xBCller\ty\n"},
        {"Mac OS Roman line among UTF-8 lines",
         "h\r600\tCaf\x8E\tx\ty\r601\t\xF0\x9F\x9A\xB2\tx\ty\r", false,
         "600\tCaf\xC3\xA9\tx\ty\n601\t\xF0\x9F\x9A\xB2\tx\ty\n"},
        {"ASCII last line after an invalid one", "h\r600\tCaf\xE9\tx\ty\r601\tplain\tx\ty\r", false,
         "600\tCaf\xC3\xA9\tx\ty\n601\tplain\tx\ty\n"},
        {"UTF-8 line cut inside a character", "h\r600\tx\ty\t" + cut + "\r", false,
         "600\tx\ty\t" + std::string(242, 'x') + "\xC3\xA9\n"},
        {"hub texts", kHubHeader + "2\t1\t2\t3\t4\tNab\xE9\t\xC3\xA9\tM\xFCnster\tarri\xE8re\r",
         true, "2\t1\t2\t3\t4\tNab\xC3\xA9\t\xC3\xA9\tM\xC3\xBCnster\tarri\xC3\xA8re\n"},
    };
    for (const TextCase &c : cases)
        EXPECT_EQ(Load(c.bytes, c.hubs), c.records) << c.name;
}

// Files that loaded right before must give exactly the records they gave: the
// examples, the test fixtures, and files in each encoding and with CR LF.
TEST(Reader, FilesOfTodayGiveTheSameRecords)
{
    const std::string compat = QUENNICK_FIXTURES "/compat/";
    const struct {
        std::string file, records;
        bool hubs;
    } cases[] = {
        {QUENNICK_EXAMPLES "/rims.txt", compat + "examples-rims.records", false},
        {QUENNICK_EXAMPLES "/hubs.txt", compat + "examples-hubs.records", true},
        {QUENNICK_FIXTURES "/rims.txt", compat + "fixtures-rims.records", false},
        {QUENNICK_FIXTURES "/hubs.txt", compat + "fixtures-hubs.records", true},
        {compat + "rims-1252.txt", compat + "rims-1252.records", false},
        {compat + "rims-macroman.txt", compat + "rims-macroman.records", false},
        {compat + "rims-crlf.txt", compat + "rims-crlf.records", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Load(FileBytes(c.file), c.hubs), FileBytes(c.records)) << c.file;
}

// A record's fields reach the wheel's members the catalogue's table names,
// and only those; a text longer than an item's 255 bytes is cut before a
// character, never within one.
TEST(CatalogueFields, FillTheirOwnWheelMembers)
{
    Load(kHubHeader + "2,6\t45\t35\t57\t20\tRoad\tQR\tnotes\trear\r", true);
    ASSERT_EQ(hubc, 1);
    Wheel w = Wheel();
    w.rim.diameter = 600;
    w.crossings1 = 3;
    Hub2Wheel(hubt[0], &w);
    EXPECT_EQ(w.hub.holeDiameter, 2.6);
    EXPECT_EQ(w.hub.flangeDiameter1, 45);
    EXPECT_EQ(w.hub.flangeDistance1, 35);
    EXPECT_EQ(w.hub.flangeDiameter2, 57);
    EXPECT_EQ(w.hub.flangeDistance2, 20);
    EXPECT_EQ(std::string(w.hub.name) + "|" + w.hub.axle + "|" + w.hub.notes + "|" + w.hub.position,
              "Road|QR|notes|rear");
    EXPECT_EQ(w.rim.diameter, 600);
    EXPECT_EQ(w.crossings1, 3);
    // 200 bytes of 0xE9 ("é" in Windows-1252) are 400 bytes of UTF-8.
    Load("h\r584\t" + std::string(200, '\xE9') + "\tnotes\t650B\r", false);
    ASSERT_EQ(rimc, 1);
    Rim2Wheel(rimt[0], &w);
    EXPECT_EQ(w.rim.diameter, 584);
    EXPECT_EQ(std::string(w.rim.size) + "|" + w.rim.notes, "650B|notes");
    std::string cut;
    for (int i = 0; i < 127; i++)
        cut += "é";
    EXPECT_EQ(std::string(w.rim.name), cut) << "254 bytes: the 128th é would not fit whole";
}

// A file of more than 2^31 lines is too big for a test. The line counters are
// 64-bit, which no file's lines can overflow, and the byte budget (each line
// takes at least one byte) keeps any read far below 2^31 lines as well.
TEST(Reader, LineCountersCannotOverflow)
{
    CatalogueReport report = {};
    RecordNote note = {};
    EXPECT_GE(sizeof report.lines, sizeof(int64_t));
    EXPECT_GE(sizeof report.blankLines, sizeof(int64_t));
    EXPECT_GE(sizeof report.crLines, sizeof(int64_t));
    EXPECT_GE(sizeof report.nonUtf8Lines, sizeof(int64_t));
    EXPECT_GE(sizeof report.stoppedAtLine, sizeof(int64_t));
    EXPECT_GE(sizeof note.line, sizeof(int64_t));
    EXPECT_LT(kCatalogueByteBudget, (int64_t)std::numeric_limits<int32_t>::max());
}

// A stream that gives `bytes` and then fails as a failing disk does.
struct FailingFile {
    std::string bytes;
    size_t at = 0;
};

ssize_t ReadOrFail(void *cookie, char *buffer, size_t size)
{
    FailingFile *f = static_cast<FailingFile *>(cookie);
    if (f->at == f->bytes.size()) {
        errno = EIO;
        return -1;
    }
    const size_t n = std::min(size, f->bytes.size() - f->at);
    memcpy(buffer, f->bytes.data() + f->at, n);
    f->at += n;
    return (ssize_t)n;
}

int SeekFailing(void *cookie, off64_t *offset, int whence)
{
    FailingFile *f = static_cast<FailingFile *>(cookie);
    if (whence != SEEK_SET)
        return -1;
    f->at = (size_t)*offset;
    return 0;
}

TEST(Reader, AReadErrorKeepsTheRecordsBeforeItAndIsReported)
{
    // The error comes in the middle of the third record's line.
    FailingFile failing{"h\n600\tA\tB\tC\n601\tD\tE\tF\n602\tG\tH"};
    cookie_io_functions_t io = {ReadOrFail, nullptr, SeekFailing, nullptr};
    FILE *f = fopencookie(&failing, "rb", io);
    ASSERT_NE(f, nullptr);
    FreeCatalogues();
    CatalogueReport report = {};
    ReadRimsReport(f, nullptr, &report);
    fclose(f);
    EXPECT_EQ(Records(), "600\tA\tB\tC\n601\tD\tE\tF\n") << "no record from the cut line";
    EXPECT_EQ(report.readError, EIO);
    EXPECT_EQ(report.readErrorLine, 4);
    FreeCatalogues();
}

// Reading stops at the byte budget: the records whose lines end within it are
// read, and the report says where it stopped. The seam sets a small budget.
TEST(Reader, ReadingStopsAtTheByteBudget)
{
    const std::string rims = "h\n600\tA\tB\tC\n601\tD\tE\tF\n602\tG\tH\tI\n";
    const struct {
        const char *name;
        int64_t budget;
        std::string records;
        LineNumber budgetLine;
    } cases[] = {
        {"whole file", (int64_t)rims.size(), "600\tA\tB\tC\n601\tD\tE\tF\n602\tG\tH\tI\n", 0},
        {"in the third record", (int64_t)rims.size() - 3, "600\tA\tB\tC\n601\tD\tE\tF\n", 4},
        {"before its line end", (int64_t)rims.size() - 1, "600\tA\tB\tC\n601\tD\tE\tF\n", 4},
        {"in the header", 1, "", 1},
    };
    for (const auto &c : cases) {
        SetCatalogueByteBudget(c.budget);
        CatalogueReport report = {};
        EXPECT_EQ(Load(rims, false, &report), c.records) << c.name;
        EXPECT_EQ(report.budgetLine, c.budgetLine) << c.name;
    }
    // One line with no end, longer than the budget, is no record.
    SetCatalogueByteBudget(1000);
    CatalogueReport report = {};
    EXPECT_EQ(Load("h\n600\tA\tB\t" + std::string(5000, 'x'), false, &report), "");
    EXPECT_EQ(report.budgetLine, 2);
    SetCatalogueByteBudget(0);
    FreeCatalogues();
}

TEST(Reader, ReadsAtMostAChoosersWorthOfRecords)
{
    std::string rims = "h\r";
    for (int i = 0; i < 40000; i++)
        rims += std::to_string(500 + i % 100) + "\tRim " + std::to_string(i + 1) + "\tx\t622\r";
    CatalogueReport report = {};
    Load(rims, false, &report);
    EXPECT_EQ(rimc, kMaxRecords);
    EXPECT_STREQ(rimt[kMaxRecords - 1].text1, "Rim 32767");
    EXPECT_EQ(report.stoppedAtLine, kMaxRecords + 2);
    FreeCatalogues();
}

// Runs ReadCatalogues on `folder` in a child process, so that a reader that
// blocks fails within seconds instead of hanging the suite. Returns the child's
// verdict: how many rims it read, or -1 when it did not finish in time.
int RimsReadWithin5s(const std::string &folder)
{
    const pid_t child = fork();
    if (child == 0) {
        CatalogueReport rims[kListFiles] = {}, hubs[kListFiles] = {};
        ReadCatalogues(folder.c_str(), nullptr, nullptr, nullptr, rims, hubs);
        _exit(rimc == 0 && rims[kShippedFile].problem == kFileNotRegular ? 0 : 1);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(Reader, FilesThatAreNoCataloguesGiveNothingAtOnce)
{
    char tmpl[] = "/tmp/quennick-reader-XXXXXX";
    const std::string folder = std::string(mkdtemp(tmpl)) + "/";
    const std::string rims = folder + "rims.txt";
    ASSERT_EQ(mkfifo(rims.c_str(), 0600), 0);
    EXPECT_EQ(RimsReadWithin5s(folder), 0) << "a named pipe with no writer";
    unlink(rims.c_str());
    ASSERT_EQ(symlink("/dev/zero", rims.c_str()), 0);
    EXPECT_EQ(RimsReadWithin5s(folder), 0) << "a link to /dev/zero";
    unlink(rims.c_str());
    rmdir(folder.c_str());
}

// A folder of its own for each test, removed at the end.
struct Folder {
    Folder()
    {
        char tmpl[] = "/tmp/quennick-reader-XXXXXX";
        path = std::string(mkdtemp(tmpl)) + "/";
    }
    ~Folder() { EXPECT_EQ(system(("rm -rf '" + path + "'").c_str()), 0); }
    void Write(const std::string &name, const std::string &bytes) const
    {
        std::ofstream(path + name, std::ios::binary) << bytes;
    }
    std::string path;
};

// Reads the shipped catalogues of `folder` and the user's of `user`.
void LoadBoth(const std::string &folder, const char *user,
              CatalogueReport rims[kListFiles] = nullptr,
              CatalogueReport hubs[kListFiles] = nullptr)
{
    CatalogueReport r[kListFiles] = {}, h[kListFiles] = {};
    FreeCatalogues();
    ReadCatalogues(folder.c_str(), user, nullptr, nullptr, rims ? rims : r, hubs ? hubs : h);
}

const std::string kUserFixture = QUENNICK_FIXTURES "/user/quennick/";

TEST(UserCatalogue, ItsRecordsComeAfterTheShippedOnes)
{
    LoadBoth(QUENNICK_FIXTURES "/", kUserFixture.c_str());
    ASSERT_EQ(rimc, 3 + 2);
    ASSERT_EQ(hubc, 4 + 1);
    EXPECT_STREQ(rimt[0].text1, "Test road") << "the shipped entries keep their numbers";
    EXPECT_STREQ(rimt[2].text1, "Test BMX");
    EXPECT_STREQ(rimt[3].text1, "My own road");
    EXPECT_EQ(rimt[3].diameter, 605.5);
    EXPECT_STREQ(rimt[4].text1, "My own mountain");
    EXPECT_STREQ(hubt[3].text1, "Test mountain");
    EXPECT_STREQ(hubt[4].text1, "My own rear");
    EXPECT_EQ(hubt[4].flangeDistance2, 19);
    // The same records as the shipped catalogue alone, and then the user's.
    const std::string both = Records();
    LoadBoth(QUENNICK_FIXTURES "/", nullptr);
    const std::string shipped = Records();
    EXPECT_EQ(rimc, 3);
    const std::string shippedRims = shipped.substr(0, shipped.find("2\t38"));
    EXPECT_EQ(both.substr(0, shippedRims.size()), shippedRims);
    FreeCatalogues();
}

TEST(UserCatalogue, AMissingOrUnreadableOneIsSilentlyAbsent)
{
    Folder user;
    // A folder named rims.txt, a link to nowhere, and a file that fails to read.
    ASSERT_EQ(mkdir((user.path + "rims.txt").c_str(), 0700), 0);
    ASSERT_EQ(symlink("/nonexistent/hubs.txt", (user.path + "hubs.txt").c_str()), 0);
    const std::string cases[] = {"/nonexistent/quennick/", "", user.path};
    for (const std::string &folder : cases) {
        CatalogueReport rims[kListFiles] = {}, hubs[kListFiles] = {};
        LoadBoth(QUENNICK_FIXTURES "/", folder.c_str(), rims, hubs);
        EXPECT_EQ(rimc, 3) << folder;
        EXPECT_EQ(hubc, 4) << folder;
        EXPECT_NE(rims[kUserFile].problem, kFileRead) << folder;
    }
    Folder failing;
    ASSERT_EQ(symlink("/proc/self/mem", (failing.path + "rims.txt").c_str()), 0);
    CatalogueReport rims[kListFiles] = {}, hubs[kListFiles] = {};
    LoadBoth(QUENNICK_FIXTURES "/", failing.path.c_str(), rims, hubs);
    EXPECT_EQ(rimc, 3);
    EXPECT_EQ(rims[kUserFile].readError, EIO);
    FreeCatalogues();
}

TEST(UserCatalogue, BothFilesTogetherHoldAtMostAChoosersWorth)
{
    Folder shipped, user;
    std::string rims = "h\r";
    for (int i = 0; i < kMaxRecords - 5; i++)
        rims += "600\tShipped " + std::to_string(i + 1) + "\tx\t622\r";
    shipped.Write("rims.txt", rims);
    std::string own = "h\n\n";
    for (int i = 0; i < 20; i++)
        own += "600\tOwn " + std::to_string(i + 1) + "\tx\t622\n";
    user.Write("rims.txt", own);
    CatalogueReport r[kListFiles] = {}, h[kListFiles] = {};
    LoadBoth(shipped.path, user.path.c_str(), r, h);
    ASSERT_EQ(rimc, kMaxRecords);
    EXPECT_STREQ(rimt[kMaxRecords - 6].text1, "Shipped 32762");
    EXPECT_STREQ(rimt[kMaxRecords - 5].text1, "Own 1");
    EXPECT_STREQ(rimt[kMaxRecords - 1].text1, "Own 5");
    EXPECT_EQ(r[kShippedFile].stoppedAtLine, 0);
    EXPECT_EQ(r[kUserFile].records, 5);
    EXPECT_EQ(r[kUserFile].stoppedAtLine, 8) << "the user's sixth record, after a blank line";
    // A full shipped list leaves no room: the user's first record is where it stopped.
    rims += "600\tShipped 32763\tx\t622\r";
    for (int i = 0; i < 4; i++)
        rims += "600\tShipped\tx\t622\r";
    shipped.Write("rims.txt", rims);
    LoadBoth(shipped.path, user.path.c_str(), r, h);
    EXPECT_EQ(rimc, kMaxRecords);
    EXPECT_STREQ(rimt[kMaxRecords - 1].text1, "Shipped");
    EXPECT_EQ(r[kUserFile].records, 0);
    EXPECT_EQ(r[kUserFile].stoppedAtLine, 3);
    FreeCatalogues();
}

} // namespace
