// The piece table against a plain vector, including large shared blocks.
#include "core/hexedit/hexbytestore.h"
#include "core/hexedit/hexchangedmarks.h"

#include <gtest/gtest.h>

#include <random>

namespace varnik {
namespace {

TEST(HexByteStore, randomEditsMatchAPlainArray)
{
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        const auto pick = [&rng](qint64 n) { return n <= 0 ? qint64(0) : qint64(rng() % quint64(n)); };
        HexByteStore store;
        QByteArray reference;
        for (int step = 0; step < 400; ++step) {
            switch (rng() % 4) {
            case 0: {
                // Now and then a block large enough to be kept as it is.
                QByteArray bytes(rng() % 8 == 0 ? 70000 + pick(100) : 1 + pick(6), Qt::Uninitialized);
                for (char& c : bytes)
                    c = char(rng());
                const qint64 pos = pick(reference.size() + 1);
                store.insert(pos, bytes);
                reference.insert(pos, bytes);
                break;
            }
            case 1: {
                const qint64 pos = pick(reference.size());
                const qint64 n = qMin(1 + pick(rng() % 4 == 0 ? 80000 : 8), reference.size() - pos);
                store.remove(pos, n);
                reference.remove(pos, n);
                break;
            }
            default:
                if (!reference.isEmpty()) {
                    const qint64 pos = pick(reference.size());
                    const char c = char(rng());
                    store.overwrite(pos, c);
                    reference[pos] = c;
                }
                break;
            }
            ASSERT_EQ(store.size(), reference.size()) << "seed " << seed << " step " << step;
            const qint64 pos = pick(reference.size());
            ASSERT_EQ(store.at(pos), reference.isEmpty() ? 0 : reference.at(pos)) << "seed " << seed;
            ASSERT_EQ(store.bytes(pos, 100), reference.mid(pos, 100)) << "seed " << seed << " step " << step;
        }
        EXPECT_EQ(store.all(), reference) << "seed " << seed;
    }
}

TEST(HexByteStore, largeInsertIsSharedAndNeverWrittenThrough)
{
    QByteArray big(200000, 'a');
    HexByteStore store;
    store.insert(0, big);
    EXPECT_EQ(store.all().constData(), big.constData()); // no copy
    store.overwrite(5, 'b');
    EXPECT_EQ(big.count('b'), 0);
    EXPECT_EQ(store.at(5), 'b');
    store.remove(0, store.size());
    EXPECT_LT(store.memoryBytes(), 4 * 1024 * 1024); // the dropped block is let go
}

TEST(HexByteStore, badArgumentsChangeNothing)
{
    HexByteStore store;
    store.insert(0, "abc");
    store.insert(-1, "x");
    store.insert(4, "x");
    store.remove(2, 2);
    store.remove(-1, 1);
    store.remove(0, -1);
    store.overwrite(3, 'x');
    EXPECT_EQ(store.all(), "abc");
    EXPECT_EQ(store.at(3), 0);
    char out[4] = {};
    EXPECT_EQ(store.read(1, 10, out), 2);
    EXPECT_EQ(store.read(3, 1, out), 0);
}

TEST(HexChangedMarks, truncateDropsTheTail)
{
    HexChangedMarks marks;
    for (qint64 p : {0, 63, 64, 100, 40000, 70000})
        marks.set(p);
    EXPECT_EQ(marks.length(), 70001);
    marks.truncate(64);
    EXPECT_EQ(marks.length(), 64);
    EXPECT_TRUE(marks.test(63));
    EXPECT_FALSE(marks.test(64));
    marks.set(200); // growing again finds no stale marks
    for (qint64 p : {64, 100, 40000, 70000})
        EXPECT_FALSE(marks.test(p)) << p;
    EXPECT_TRUE(marks.test(200));
    marks.clear(200);
    EXPECT_FALSE(marks.test(200));
    EXPECT_FALSE(marks.test(-1));
}

} // namespace
} // namespace varnik
