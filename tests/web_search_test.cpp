// "Search" opens the search service's result page for the text of the search
// box, percent-encoded and within 200 characters; the fixed links open their
// targets.

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <string>

#include "support/FormFixture.h"
#include "web/LinkTargets.h"

namespace {

constexpr std::size_t Cap = 200;

class WebLinks : public FormFixture {
protected:
    void Click(TUrlText* label) { QTest::mouseClick(label->Widget(), Qt::LeftButton); }
    // The address that a click on "Search" opens for the text.
    std::string Search(const std::string& text) {
        form->Edit1->SetText(text);
        const std::size_t before = links.opened.size();
        Click(form->UrlText3);
        EXPECT_EQ(links.opened.size(), before + 1);
        return links.opened.empty() ? "" : links.opened.back();
    }
    static std::string Repeat(const std::string& piece, std::size_t times) {
        std::string text;
        while (times--) text += piece;
        return text;
    }
};

TEST_F(WebLinks, UntouchedBoxSearchesForMusic) {
    Click(form->UrlText3);
    EXPECT_EQ(links.opened,
              std::vector<std::string>{"https://music-search.example/Search/Search.asp?aff=1024&q=Music"});
}

TEST_F(WebLinks, SearchTextIsPercentEncoded) {
    const std::string base = Search("");
    ASSERT_EQ(base.substr(base.size() - 3), "&q=") << "an empty box is searched all the same";
    const struct {
        const char* text;
        const char* query;
    } cases[] = {
        {"rock & roll", "rock%20%26%20roll"},
        {"AC/DC #1", "AC%2FDC%20%231"},
        {"100% a=b+c?", "100%25%20a%3Db%2Bc%3F"},
        {"Motörhead Björk", "Mot%C3%B6rhead%20Bj%C3%B6rk"},
        {"日本", "%E6%97%A5%E6%9C%AC"},
        {"\xF0\x9F\x8E\xB5", "%F0%9F%8E%B5"},
        {"Az09-._~", "Az09-._~"},
    };
    for (const auto& c : cases) EXPECT_EQ(Search(c.text), base + c.query) << c.text;
}

TEST_F(WebLinks, LongSearchIsCutBetweenCharacters) {
    const std::string base = Search("");
    const std::size_t room = Cap - base.size();
    // Each case: one character of the text, its escape, and how many of them fit.
    const struct {
        const char* character;
        const char* encoded;
    } cases[] = {
        {"x", "x"},
        {"%", "%25"},
        {"é", "%C3%A9"},
        {"\xE2\x99\xAB", "%E2%99%AB"},
        {"\xF0\x9F\x8E\xB5", "%F0%9F%8E%B5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.character);
        const std::string encoded = c.encoded;
        const std::string address = Search(Repeat(c.character, 300));
        EXPECT_EQ(address, base + Repeat(encoded, room / encoded.size()));
        EXPECT_LE(address.size(), Cap);
    }
    // A lead character shifts where the escapes end; the cut still falls between two of them.
    const std::string address = Search("ab" + Repeat("é", 100));
    EXPECT_EQ(address, base + "ab" + Repeat("%C3%A9", (room - 2) / 6));
    EXPECT_EQ(Search(Repeat("y", room)).size(), Cap) << "an address of exactly the cap is kept whole";
}

TEST_F(WebLinks, EveryClickIsANewRequest) {
    Click(form->UrlText3);
    Click(form->UrlText3);
    form->Edit1->SetText("Jazz");
    Click(form->UrlText3);
    ASSERT_EQ(links.opened.size(), 3u);
    EXPECT_EQ(links.opened[0], links.opened[1]);
    EXPECT_EQ(links.opened[2].substr(links.opened[2].size() - 6), "q=Jazz");
}

TEST_F(WebLinks, FixedLinksOpenTheirTargets) {
    const struct {
        TUrlText* TForm1::*field;
        std::string target;
    } cases[] = {
        {&TForm1::UrlText1, web::BurnLink},
        {&TForm1::UrlText2, web::DownloadLink},
        {&TForm1::mail, web::FooterMail},
    };
    for (const auto& c : cases) {
        links.opened.clear();
        Click((*form).*c.field);
        EXPECT_EQ(links.opened, std::vector<std::string>{c.target});
    }
    EXPECT_EQ(std::string(web::FooterMail).rfind("mailto:", 0), 0u);
}

}  // namespace
