// SPDX-FileCopyrightText: 2026 Morvane <stocks@morvane.com>
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/ini_profile.h"

#include <gtest/gtest.h>

namespace stocks {
namespace {

TEST(IniProfileText, FirstSectionAndKeyMatchWithoutCaseOrBlanks)
{
    const std::string ini = "file=outside\r\n"
                            " [ Html ] trailing\r\n"
                            "  ; file=comment\r\n"
                            "refrate\r\n"
                            "\tFILE =  C:\\a b.html \t\r\n"
                            "[broker\r\n"
                            "vis=0\r\n"
                            "file=second\r\n"
                            "[html]\n"
                            "refrate=5";
    EXPECT_EQ(findProfileValue(ini, "HTML", "file"), "C:\\a b.html");
    EXPECT_EQ(findProfileValue(ini, " html\t", " File "), "C:\\a b.html");
    EXPECT_EQ(findProfileValue(ini, "html", "refrate"), std::nullopt);
    EXPECT_EQ(findProfileValue(ini, "html", "; file"), std::nullopt);
    EXPECT_EQ(findProfileValue(ini, "broker", "vis"), std::nullopt);
    EXPECT_EQ(findProfileValue(ini, "html", "vis"), "0");
    EXPECT_EQ(findProfileValue("[a]\nk=v\r", "a", "k"), "v");
    EXPECT_EQ(findProfileValue("[a]\nk=v", "", "k"), std::nullopt);
    EXPECT_EQ(findProfileValue("[Z]\nz=v", "z", "Z"), "v");
}

TEST(IniProfileText, OnePairOfQuotesGoesAndLongValuesAreCut)
{
    const auto valueOf = [](const std::string& value) {
        return findProfileValue("[s]\r\nk=" + value + "\r\n", "s", "k");
    };
    EXPECT_EQ(valueOf("\" a \""), " a ");
    EXPECT_EQ(valueOf("'x'"), "x");
    EXPECT_EQ(valueOf("\"'x'\""), "'x'");
    EXPECT_EQ(valueOf("\"x'"), "\"x'");
    EXPECT_EQ(valueOf("\""), "\"");
    EXPECT_EQ(valueOf("''"), "");
    EXPECT_EQ(valueOf("a=b"), "a=b");
    EXPECT_EQ(valueOf(std::string(1500, 'z')), std::string(1023, 'z'));
}

TEST(IniProfileText, WriteChangesOnlyItsOwnLine)
{
    const std::string ini = "; settings\n"
                            "[html]\r\n"
                            "File = old\n"
                            "other=1\r\n"
                            "\r\n"
                            "[form]\n"
                            "top=5\n"
                            "; end of form\n"
                            "\n"
                            "[broker]\r\n"
                            "vis=1";
    EXPECT_EQ(withProfileValue(ini, "HTML", "file", "new"),
              "; settings\n[html]\r\nFile=new\r\nother=1\r\n\r\n[form]\ntop=5\n; end of form\n\n"
              "[broker]\r\nvis=1");
    EXPECT_EQ(withProfileValue(ini, "html", "refrate", "10"),
              "; settings\n[html]\r\nFile = old\nother=1\r\nrefrate=10\r\n\r\n[form]\ntop=5\n"
              "; end of form\n\n[broker]\r\nvis=1");
    EXPECT_EQ(withProfileValue(ini, "form", "left", "7"),
              "; settings\n[html]\r\nFile = old\nother=1\r\n\r\n[form]\ntop=5\n; end of form\n"
              "left=7\r\n\n[broker]\r\nvis=1");
    EXPECT_EQ(withProfileValue(ini, "broker", "url", "x"), ini + "\r\nurl=x\r\n");
    EXPECT_EQ(withProfileValue(ini, "new", "k", ""), ini + "\r\n[new]\r\nk=\r\n");
    EXPECT_EQ(withProfileValue("[a]\r", "a", "k", "v"), "[a]\r\nk=v\r\n");
    EXPECT_EQ(withProfileValue("", " s ", " k ", " v "), "[s]\r\nk= v \r\n");
    // A section's name ends at its line's last ']'.
    EXPECT_EQ(withProfileValue("[a]b] x\r\nk=1\r\n", "a]b", "k", "2"), "[a]b] x\r\nk=2\r\n");
    EXPECT_EQ(withProfileValue("", "s]", "k", "v"), "[s]]\r\nk=v\r\n");
}

TEST(IniProfileText, RefusesWhatWouldNotReadBack)
{
    EXPECT_EQ(withProfileValue("", "s", "k", "a\r\nb=c"), std::nullopt);
    EXPECT_EQ(withProfileValue("", "s", "k", "a\nb"), std::nullopt);
    EXPECT_EQ(withProfileValue("", " ", "k", "v"), std::nullopt);
    EXPECT_EQ(withProfileValue("", "s", "a=b", "v"), std::nullopt);
    EXPECT_EQ(withProfileValue("", "s", "[k", "v]"), std::nullopt);
    EXPECT_EQ(withProfileValue("", "s", ";k", "v"), std::nullopt);
    EXPECT_EQ(withProfileValue("", "s", "\t", "v"), std::nullopt);
}

TEST(IniProfileText, LinesEndingInACarriageReturnAloneAreLines)
{
    const std::string ini = "[html]\rfile=a.html\rrefrate=5\r\r[form]\rtop=7\r";
    EXPECT_EQ(findProfileValue(ini, "html", "file"), "a.html");
    EXPECT_EQ(findProfileValue(ini, "html", "refrate"), "5");
    EXPECT_EQ(findProfileValue(ini, "form", "top"), "7");
    EXPECT_EQ(findProfileValue(ini, "html", "top"), std::nullopt);
    EXPECT_EQ(withProfileValue(ini, "html", "refrate", "6"),
              "[html]\rfile=a.html\rrefrate=6\r\n\r[form]\rtop=7\r");
}

} // namespace
} // namespace stocks
