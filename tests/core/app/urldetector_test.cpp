#include "core/app/urldetector.h"

#include <QString>
#include <gtest/gtest.h>

namespace varnik {
namespace {

TEST(UrlDetector, findsAddressesWithoutTrailingPunctuation)
{
    struct Row {
        const char* text;
        std::vector<const char*> urls;
    };
    const Row rows[] = {
        {"see http://example.com/a?b=1.", {"http://example.com/a?b=1"}},
        {"(www.example.org) and HTTPS://X.PL/ż", {"www.example.org", "HTTPS://X.PL/ż"}},
        {"mailto:a@b.c, ftp://f.org/x;", {"mailto:a@b.c", "ftp://f.org/x"}},
        {"wiki(https://en.org/A_(b))", {"https://en.org/A_(b)"}},
        {"nohttp://x awww.x http://", {}},
        {"\"http://q.pl/a\"", {"http://q.pl/a"}},
        {"", {}},
    };
    for (const Row& r : rows) {
        const QString text = QString::fromUtf8(r.text);
        const auto spans = findUrls(text);
        ASSERT_EQ(spans.size(), r.urls.size()) << r.text;
        for (size_t i = 0; i < spans.size(); ++i)
            EXPECT_EQ(text.mid(spans[i].start, spans[i].length).toStdString(), r.urls[i]) << r.text;
    }
}

} // namespace
} // namespace varnik
