#include "options/ini_document.h"

#include <gtest/gtest.h>

#include <string>

namespace lenzor {
namespace {

std::string ReadOr(const IniDocument& document, const char* section, const char* key,
                   const char* missing = "<missing>") {
    return document.Read(section, key).value_or(missing);
}

TEST(IniDocumentTest, LineEndingsReadAlike) {
    for (const char* end : {"\r\n", "\n", "\r"}) {
        std::string text = std::string("[Common]") + end + "Language=Deutsch" + end + end +
                           "[MouseControl]" + end + "Lenzor.Alpha=200";
        IniDocument document(text);
        EXPECT_EQ(ReadOr(document, "Common", "Language"), "Deutsch");
        EXPECT_EQ(ReadOr(document, "MouseControl", "Lenzor.Alpha"), "200");
        EXPECT_EQ(document.Bytes(), text);  // read and written back unchanged
    }
}

TEST(IniDocumentTest, NamesMatchRegardlessOfCaseAndBlanks) {
    IniDocument document("[ common ]\n  showafterstart =  1  \n\tLanguage\t=\tDeutsch\t\n"
                         "[A]B] ignored\nc=2\n");
    EXPECT_EQ(ReadOr(document, "Common", "ShowAfterStart"), "1");
    EXPECT_EQ(ReadOr(document, "COMMON", "language"), "Deutsch");
    EXPECT_EQ(ReadOr(document, "a]b", "C"), "2");
}

TEST(IniDocumentTest, ValuesLoseOnePairOfEnclosingQuotes) {
    IniDocument document("[S]\nd=\"quoted value\"\ns=' single '\nhalf=\"open\nmixed=\"a'\n"
                         "inner=a \"b\" c\ntwice=\"\"x\"\"\none=\"\n");
    EXPECT_EQ(ReadOr(document, "S", "d"), "quoted value");
    EXPECT_EQ(ReadOr(document, "S", "s"), " single ");
    EXPECT_EQ(ReadOr(document, "S", "half"), "\"open");
    EXPECT_EQ(ReadOr(document, "S", "mixed"), "\"a'");
    EXPECT_EQ(ReadOr(document, "S", "inner"), "a \"b\" c");
    EXPECT_EQ(ReadOr(document, "S", "twice"), "\"x\"");
    EXPECT_EQ(ReadOr(document, "S", "one"), "\"");
}

TEST(IniDocumentTest, LongValuesAreCutTo2047Bytes) {
    std::string value(3000, 'v');
    value[2046] = 'x';
    IniDocument document("[S]\nlong=" + value + "\nquoted=\"" + value + "\"\n");
    EXPECT_EQ(ReadOr(document, "S", "long"), value.substr(0, 2047));
    EXPECT_EQ(ReadOr(document, "S", "quoted"), value.substr(0, 2047));
}

TEST(IniDocumentTest, FindsOnlyKeysOfTheFirstMatchingSection) {
    IniDocument document("Orphan=1\n[S]\n;Commented=2\nNoEquals\nKey=first\nKey=second\n"
                         "Empty=\n[Other]\nOnlyHere=3\n[s]\nKey=third\nLater=4\n");
    EXPECT_EQ(ReadOr(document, "", "Orphan"), "<missing>");
    EXPECT_EQ(ReadOr(document, "S", "Commented"), "<missing>");
    EXPECT_EQ(ReadOr(document, "S", "NoEquals"), "<missing>");
    EXPECT_EQ(ReadOr(document, "S", "Key"), "first");
    EXPECT_EQ(ReadOr(document, "S", "Empty"), "");
    EXPECT_EQ(ReadOr(document, "S", "OnlyHere"), "<missing>");
    EXPECT_EQ(ReadOr(document, "S", "Later"), "<missing>");
    EXPECT_EQ(ReadOr(document, "Missing", "Key"), "<missing>");
}

TEST(IniDocumentTest, WriteReplacesTheKeyLineInPlaceAndKeepsEveryOtherLine) {
    IniDocument document("; settings\n[Common]\n  language = English  \n\n# mine\n[Other]\nx=1");
    document.Write("COMMON", "Language", "Deutsch");
    EXPECT_EQ(document.Bytes(), "; settings\n[Common]\nlanguage=Deutsch\r\n\n# mine\n[Other]\nx=1");
}

TEST(IniDocumentTest, NewKeysGoAfterTheLastNonBlankLineOfTheirSection) {
    IniDocument document("[Common]\r\nLanguage=English\r\n; note\r\n\r\n[Other]\r\nx=1\r\n");
    document.Write("Common", "FirstStart", "0");
    document.Write("Other", "y", "");
    EXPECT_EQ(document.Bytes(), "[Common]\r\nLanguage=English\r\n; note\r\nFirstStart=0\r\n"
                                "\r\n[Other]\r\nx=1\r\ny=\r\n");
}

TEST(IniDocumentTest, NewSectionsGoAtTheEndWithAnUnterminatedLastLineClosed) {
    IniDocument document("[Common]\nLanguage=English");
    document.Write("MouseControl", "Lenzor.Alpha", "160");
    document.Write("Common", "FirstStart", "1");
    EXPECT_EQ(document.Bytes(), "[Common]\nLanguage=English\r\nFirstStart=1\r\n"
                                "[MouseControl]\r\nLenzor.Alpha=160\r\n");

    IniDocument empty;
    empty.Write("S", "k", "v");
    EXPECT_EQ(empty.Bytes(), "[S]\r\nk=v\r\n");
}

TEST(IniDocumentTest, WrittenValuesReadBack) {
    IniDocument document("[S]\nk=old\n");
    document.Write("s", "K", "  spaced  ");
    EXPECT_EQ(ReadOr(document, "S", "k"), "spaced");  // blanks around a value are not part of it
    document.Write("S", "k", "");
    EXPECT_EQ(ReadOr(document, "S", "k"), "");
}

}  // namespace
}  // namespace lenzor
