#include "text/SettingsFile.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tallyrin {
namespace {

TEST(SettingsFileTest, WriterKeepsTheRecordFormsToTheByte)
{
    SettingsWriter w;
    w.single(308).single(12.31f).single(0.045f).single(308).single(12.31f).single(0.045f).endRecord();
    w.int16(0).int16(0).int16(0).int16(2).text("Single").single(0).single(0).single(0).single(0).single(0).single(0);
    w.endRecord();
    w.single(15600).single(15).single(0.08f).endRecord();
    w.boolean(true).boolean(false).text("CrUnion").endRecord();
    for (int i = 0; i < 4; ++i)
        w.reserved(ReservedItem::noValue());
    w.endRecord();
    w.text("Employee's Name").text("").text("").endRecord();
    w.text("12/31/2009").single(45.12f).single(27.28f).single(6.38f).single(12.5f).endRecord();
    w.dbl(static_cast<double>(0.1f)).dbl(0.08).single(1e7f).single(-0.5f).int16(-2).endRecord();
    w.currency(Currency::fromCount(3482200)).currency(Currency::fromCount(9)).currency(Currency::fromCount(-5000));
    w.endRecord();
    w.text("a\"b").endRecord();

    EXPECT_EQ(w.str(), "308,12.31,.045,308,12.31,.045\r\n"
                       "0,0,0,2,\"Single\",0,0,0,0,0,0\r\n"
                       "15600,15,.08\r\n"
                       "#TRUE#,#FALSE#,\"CrUnion\"\r\n"
                       ",,,\r\n"
                       "\"Employee's Name\",\"\",\"\"\r\n"
                       "\"12/31/2009\",45.12,27.28,6.38,12.5\r\n"
                       ".100000001490116,.08,1E+07,-.5,-2\r\n"
                       "348.22,.0009,-.5\r\n"
                       "\"a'b\"\r\n");
}

TEST(SettingsFileTest, EveryItemKindRoundTrips)
{
    const std::vector<ReservedItem> reservedItems = {
        ReservedItem::noValue(),      ReservedItem::ofNumber(12.5), ReservedItem::ofBoolean(true),
        ReservedItem::ofText("a, b"), ReservedItem::ofText(""),     ReservedItem::ofNumber(-0.045),
    };
    SettingsWriter w;
    w.single(-1234.567f).dbl(1.0 / 3.0).currency(Currency::fromCount(-12345678)).int16(-32768).endRecord();
    w.boolean(true).boolean(false).text("Smith, John").text("").endRecord();
    for (const auto& item : reservedItems)
        w.reserved(item);
    w.endRecord();

    SettingsReader r(w.str());
    float s = 0;
    double d = 0;
    Currency c;
    int16_t i = 0;
    bool t = false, f = true;
    std::string name, empty = "x";
    ASSERT_TRUE(r.single(s) && r.dbl(d) && r.currency(c) && r.int16(i));
    ASSERT_TRUE(r.boolean(t) && r.boolean(f) && r.text(name) && r.text(empty));
    EXPECT_EQ(s, -1234.567f);
    EXPECT_EQ(d, 0.333333333333333); // 15 digits kept
    EXPECT_EQ(c.count(), -12345678);
    EXPECT_EQ(i, -32768);
    EXPECT_TRUE(t);
    EXPECT_FALSE(f);
    EXPECT_EQ(name, "Smith, John");
    EXPECT_EQ(empty, "");

    std::vector<ReservedItem> readBack(reservedItems.size());
    for (auto& item : readBack)
        ASSERT_TRUE(r.reserved(item));
    EXPECT_EQ(readBack, reservedItems);
    EXPECT_TRUE(r.atEnd());
    EXPECT_TRUE(r.ok());

    // Written back, the reserved items give the same line.
    SettingsWriter again;
    for (const auto& item : readBack)
        again.reserved(item);
    again.endRecord();
    EXPECT_EQ(again.str(), ",12.5,#TRUE#,\"a, b\",\"\",-.045\r\n");
}

TEST(SettingsFileTest, ReaderTakesNumbersWithOrWithoutTheZeroBeforeThePoint)
{
    SettingsReader r(".5,0.5,-.5,1E+07, 12. ,0.045,+3,1e-2\r\n");
    const std::vector<double> expected = {0.5, 0.5, -0.5, 1e7, 12, 0.045, 3, 0.01};
    for (double e : expected) {
        SCOPED_TRACE(e);
        float v = -1;
        ASSERT_TRUE(r.single(v));
        EXPECT_EQ(v, static_cast<float>(e));
    }
    EXPECT_TRUE(r.atEnd());
}

TEST(SettingsFileTest, ItemsRunAcrossAnyLineEnd)
{
    // Quoted text keeps its comma; empty items and a blank line are zeros; CR LF, lone CR and lone LF
    // all end a line; blanks around items are dropped.
    SettingsReader r("\"a,b\",7\r\n,,\n\r  \"x\"  ,  abc  \r\n12.5");
    std::string text;
    float seven = 0;
    ASSERT_TRUE(r.text(text) && r.single(seven));
    EXPECT_EQ(text, "a,b");
    EXPECT_EQ(seven, 7);
    for (int k = 0; k < 4; ++k) { // ",,\n" is three items, the blank line one more
        SCOPED_TRACE(k);
        float zero = -1;
        ASSERT_TRUE(r.single(zero));
        EXPECT_EQ(zero, 0);
    }
    std::string x, abc;
    float last = 0;
    ASSERT_TRUE(r.text(x) && r.text(abc) && r.single(last));
    EXPECT_EQ(x, "x");
    EXPECT_EQ(abc, "abc");
    EXPECT_EQ(last, 12.5f);
    EXPECT_TRUE(r.atEnd());
}

TEST(SettingsFileTest, EmptyAndUnquotedItems)
{
    SettingsReader r(",,,,,,#TRUE#,#FALSE#,Single,2.5,3.5\r\n");
    float s = 9;
    double d = 9;
    Currency c = Currency::fromCount(9);
    int16_t i = 9;
    bool b = true;
    std::string t = "x";
    ASSERT_TRUE(r.single(s) && r.dbl(d) && r.currency(c) && r.int16(i) && r.boolean(b) && r.text(t));
    EXPECT_EQ(s, 0);
    EXPECT_EQ(d, 0);
    EXPECT_EQ(c.count(), 0);
    EXPECT_EQ(i, 0);
    EXPECT_FALSE(b);
    EXPECT_EQ(t, "");

    ReservedItem yes, no, word;
    ASSERT_TRUE(r.reserved(yes) && r.reserved(no) && r.reserved(word));
    EXPECT_EQ(yes, ReservedItem::ofBoolean(true));
    EXPECT_EQ(no, ReservedItem::ofBoolean(false));
    EXPECT_EQ(word, ReservedItem::ofText("Single"));

    int16_t two = 0, four = 0; // half to even
    ASSERT_TRUE(r.int16(two) && r.int16(four));
    EXPECT_EQ(two, 2);
    EXPECT_EQ(four, 4);
}

TEST(SettingsFileTest, FaultsNameTheItemAndLineAndStopReading)
{
    struct Case
    {
        const char* content;
        int items; // number items to read
        int item;
        int line;
    };
    const std::vector<Case> cases = {
        {"1,2,3\r\n4,5\r\n", 6, 6, 3},       // the file ends before the last item
        {"1,2,3\r\n4,5", 6, 6, 2},           // ... also without a final line end
        {"1,2,3\r\n4,1x,6\r\n", 6, 5, 2},    // not a number
        {"1,2,3\r\n4,\"5\",6\r\n", 6, 5, 2}, // quoted text is no number
        {"1\r\n\r\n1.2.3\r\n", 3, 3, 3},
        {"1,$5\r\n", 2, 2, 1},
        {"1,1E\r\n", 2, 2, 1},
        {"1,-\r\n", 2, 2, 1},
        {"1,1E999\r\n", 2, 2, 1}, // beyond any number the file can hold
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        SettingsReader r(c.content);
        std::vector<double> values(static_cast<size_t>(c.items), -7);
        int readOk = 0;
        for (auto& v : values)
            readOk += r.dbl(v) ? 1 : 0;
        EXPECT_EQ(readOk, c.item - 1);
        ASSERT_TRUE(r.fault().has_value());
        EXPECT_EQ(r.fault()->item, c.item);
        EXPECT_EQ(r.fault()->line, c.line);
        EXPECT_EQ(values[0], 1);      // read before the fault: kept
        EXPECT_EQ(values.back(), -7); // after the fault: untouched
    }

    // After the first fault every read fails, whatever its kind, and changes nothing.
    SettingsReader r("x,\"ok\"\r\n");
    float s = 5;
    std::string t = "keep";
    ReservedItem item = ReservedItem::ofNumber(1);
    EXPECT_FALSE(r.single(s));
    EXPECT_FALSE(r.text(t));
    EXPECT_FALSE(r.reserved(item));
    EXPECT_EQ(s, 5);
    EXPECT_EQ(t, "keep");
    EXPECT_EQ(item, ReservedItem::ofNumber(1));
    EXPECT_EQ(r.fault()->item, 1);
}

TEST(SettingsFileTest, SixteenBitItemsOutOfRangeAreFaults)
{
    SettingsReader r("32767,-32768,32768\r\n");
    int16_t a = 0, b = 0, c = 11;
    EXPECT_TRUE(r.int16(a) && r.int16(b));
    EXPECT_FALSE(r.int16(c));
    EXPECT_EQ(a, 32767);
    EXPECT_EQ(b, -32768);
    EXPECT_EQ(c, 11);
    EXPECT_EQ(r.fault()->item, 3);
}

} // namespace
} // namespace tallyrin
