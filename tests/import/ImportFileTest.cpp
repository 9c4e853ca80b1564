// The import as the export calls it: real files through the platform's file
// source, the limit from the settings record.

#include <gtest/gtest.h>

#include <string>

#include "import/ImportDescription.h"
#include "import/ImportFileFixture.h"
#include "import/ImportLimits.h"
#include "support/LongPath.h"
#include "support/SpelledBytes.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

using test::ImportFileFixture;
using test::Letters;
using test::Spelled;

std::string NumberedLines(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "line " + std::to_string(i) + "\r\n";
    }
    return text;
}

TEST_F(ImportFileFixture, ATenThousandByteFileGivesItsFirst4095Bytes)
{
    const std::string content = Letters(10000);
    EXPECT_EQ(ImportFile(content), content.substr(0, ReadLimit));
}

TEST_F(ImportFileFixture, AZeroByteAtOffset100EndsTheText)
{
    std::string content = Letters(300);
    content[100] = '\0';
    EXPECT_EQ(ImportFile(content), content.substr(0, 100));
}

TEST_F(ImportFileFixture, OneCharacterLinesStayWithinTheDescriptionCapacity)
{
    const std::string content = test::WorstCaseText();
    ASSERT_EQ(content.size(), ReadLimit);
    EXPECT_EQ(ImportFile(content), test::Repeat("a\r\n", 1364) + "a");
    EXPECT_TRUE(host_.NothingPastTheZero());
    EXPECT_TRUE(host_.SentinelsFrom(DescriptionCapacity));
}

TEST_F(ImportFileFixture, TheLimitKeepsTwentyOfThirtyLines)
{
    const std::string content = NumberedLines(30);
    std::string twenty = NumberedLines(20);
    twenty.resize(twenty.size() - 2);
    std::string thirty = content;
    thirty.resize(thirty.size() - 2);

    limit_ = {true, 20};
    EXPECT_EQ(ImportFile(content), twenty);
    limit_.enabled = false;
    EXPECT_EQ(ImportFile(content), thirty);
}

// Paths of 260 bytes and more, beyond the ANSI file functions, are read whole.
TEST_F(ImportFileFixture, LongPathsAreReadWhole)
{
    for (const std::size_t length : {std::size_t{300}, std::size_t{1000}}) {
        SCOPED_TRACE(length);
        path_ = test::LongPath(dir_.Path().string(), length, "a-folder-of-a-long-path");
        ASSERT_EQ(path_.size(), length);
        ASSERT_TRUE(test::WriteLongPathFile(path_, "  from a long path\r\n"));
        EXPECT_EQ(Run(), "from a long path");
    }
}

TEST_F(ImportFileFixture, A319BytePathIsNotCutToTheFileItsFirst259BytesName)
{
    const std::string base = dir_.Path().string() + test::PathSeparator;
    const std::string first259 = base + std::string(259 - base.size() - 4, 'n') + ".txt";
    ASSERT_TRUE(test::WriteLongPathFile(first259, "the file of the first 259 bytes"));
    // Through a folder whose name starts with that file's.
    path_ = first259 + "-folder" + test::PathSeparator + std::string(48, 'f') + ".txt";
    ASSERT_EQ(path_.size(), 319u);
    Run();
    EXPECT_TRUE(host_.Untouched()) << "nothing where the long path has no file";
    ASSERT_TRUE(test::WriteLongPathFile(path_, "its own file"));
    EXPECT_EQ(Run(), "its own file");
}

TEST_F(ImportFileFixture, AMissingFileLeavesTheDescriptionAlone)
{
    path_ = (dir_.Path() / "missing.txt").string();
    Run();
    EXPECT_TRUE(host_.Untouched());
}

TEST_F(ImportFileFixture, AnEmptyFileLeavesTheDescriptionAlone)
{
    ImportFile("");
    EXPECT_TRUE(host_.Untouched());
}

struct FileStartRow {
    const char* name;
    const char* content;  // spelled, see SpelledBytes.h
    const char* expected; // spelled; nullptr: no description, as for an unreadable file
};

// clang-format off
const FileStartRow FileStartRows[] = {
    // Files in binary formats, as they begin.
    {"gzip_without_a_name", "0x1F 0x8B 0x08 NUL NUL NUL NUL NUL 0x02 0x03 0x73 0xCE 0xCF", nullptr},
    {"zip", "PK 0x03 0x04 0x14 NUL NUL NUL 0x08 NUL NUL 0x60 0xAE 0x20 0x7C 0xD9", nullptr},
    {"zip_empty_archive", "PK 0x05 0x06 NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL NUL", nullptr},
    {"7_zip", "7z 0xBC 0xAF 0x27 0x1C NUL 0x04 0x8D 0x9B 0xD5 0x0F", nullptr},
    {"rar", "Rar! SUB 0x07 NUL 0xCF 0x90 0x73 NUL NUL CR NUL NUL NUL", nullptr},
    {"bzip2", "BZh91AY&SY 0x68 0x87 0x31 0x29 NUL NUL", nullptr},
    {"bzip2_empty_stream", "BZh9 0x17 0x72 0x45 0x38 0x50 0x90 NUL NUL NUL NUL", nullptr},
    {"xz", "0xFD 7zXZ NUL NUL 0x04 0xE6 0xD6 0xB4 0x46", nullptr},
    {"ole2_word_document", "0xD0 0xCF 0x11 0xE0 0xA1 0xB1 SUB 0xE1 NUL NUL NUL NUL NUL NUL NUL NUL", nullptr},
    {"pdf", "%PDF-1.4 LF % 0xE2 0xE3 0xCF 0xD3 LF 1 SP 0 SP obj", nullptr},
    {"pdf_with_cr", "%PDF-1.7 CR % 0xB5 0xB5 0xB5 0xB5 CR LF", nullptr},
    {"write_3_0", "1 0xBE NUL NUL NUL 0xAB NUL NUL NUL NUL NUL NUL", nullptr},
    {"write_3_1_with_objects", "2 0xBE NUL NUL NUL 0xAB NUL NUL NUL NUL NUL NUL", nullptr},
    {"help", "?_ 0x03 NUL 0x10 0x01 NUL NUL 0xFF 0xFF 0xFF 0xFF 0x66 0x8E", nullptr},
    {"mz_windows_program", "MZ 0x90 NUL 0x03 NUL NUL NUL 0x04 NUL NUL NUL 0xFF 0xFF NUL NUL 0xB8", nullptr},
    {"mz_letter_after_mz", "MZP NUL 0x02 NUL NUL NUL 0x04 NUL 0x0F NUL 0xFF 0xFF", nullptr},
    {"mz_last_page_above_255", "MZ 0x2F 0x01 0x1E NUL NUL NUL 0x02 NUL", nullptr},
    {"png", "0x89 PNG CR LF SUB LF NUL NUL NUL CR IHDR", nullptr},
    {"gif87a_320_wide", "GIF87a @ 0x01 0xC8 NUL 0xF7 NUL NUL", nullptr},
    {"gif89a_32_wide", "GIF89a SP NUL SP NUL 0xF7 NUL NUL", nullptr},
    {"jpeg_jfif", "0xFF 0xD8 0xFF 0xE0 NUL 0x10 JFIF NUL 0x01", nullptr},
    {"jpeg_exif", "0xFF 0xD8 0xFF 0xE1 0x2F 0xFE Exif NUL NUL", nullptr},
    // The bytes read count, zero bytes too, and none after them: the zero that
    // the read stores must not complete a signature one byte short.
    {"help_signature_alone", "?_ 0x03 NUL", nullptr},
    {"help_signature_one_byte_short", "?_ 0x03", "?_ 0x03"},

    // Texts that begin like a signature.
    {"mz_text", "MZ-80 SP emulator CR LF for SP DOS", "MZ-80 SP emulator CR LF for SP DOS"},
    {"mz_title_line", "MZ CR LF Manual", "MZ CR LF Manual"},
    {"pk_text", "PK SP tools CR LF", "PK SP tools"},
    {"gif_text", "GIF89a SP viewer SP notes", "GIF89a SP viewer SP notes"},
    {"gif_title_line", "GIF89a CR LF CR LF Animations", "GIF89a CR LF Animations"},
    {"pdf_text", "%PDF-tools SP readme", "%PDF-tools SP readme"},
    {"pdf_version_text", "%PDF-1.4 SP header SP repair", "%PDF-1.4 SP header SP repair"},
    {"bzip2_text", "BZh9 SP archives", "BZh9 SP archives"},

    // Texts with control bytes, and markup (marked texts: MarkedTextFileTest.cpp).
    {"form_feed_and_dos_end", "Page SP one FF Page SP two CR LF SUB", "Page SP one FF Page SP two"},
    {"nfo_glyphs", "0x10 SP Nova SP 0x11 CR LF 0x03 0x04 0x05 0x06", "0x10 SP Nova SP 0x11 CR LF 0x03 0x04 0x05 0x06"},
    {"zero_before_a_signature", "Notes NUL 0x1F 0x8B 0x08 NUL", "Notes"},
    {"rtf", "{\\rtf1\\ansi SP {\\fonttbl}", ""}, // Rich Text: its header shows nothing
    {"html", "<!DOCTYPE SP html> LF <title>Orbit</title>", "Orbit"}, // a web page, whatever its name
};
// clang-format on

TEST_F(ImportFileFixture, ABinaryFormatGivesNoDescriptionAndALookAlikeTextItsText)
{
    for (const FileStartRow& row : FileStartRows) {
        SCOPED_TRACE(row.name);
        const std::string description = ImportFile(Spelled(row.content));
        EXPECT_EQ(test::PathCallback::calls, 1);
        if (row.expected == nullptr) {
            EXPECT_TRUE(host_.Untouched());
        } else {
            EXPECT_EQ(description, Spelled(row.expected));
        }
    }
}

} // namespace
} // namespace zandrel
