#include "core/tsql/lrucache.h"

#include <gtest/gtest.h>

TEST(LruCacheTest, KeepsTheMostRecentlyUsedWithinItsCapacity) {
    tsql::LruCache<QString> cache(2);
    cache.insert(QStringLiteral("a"), QStringLiteral("A"));
    cache.insert(QStringLiteral("b"), QStringLiteral("B"));
    ASSERT_NE(cache.find(QStringLiteral("a")), nullptr); // a is now newer than b
    cache.insert(QStringLiteral("c"), QStringLiteral("C"));
    EXPECT_EQ(cache.size(), 2);
    EXPECT_EQ(cache.find(QStringLiteral("b")), nullptr);
    EXPECT_EQ(*cache.find(QStringLiteral("a")), QStringLiteral("A"));
    EXPECT_EQ(*cache.find(QStringLiteral("c")), QStringLiteral("C"));
    cache.insert(QStringLiteral("c"), QStringLiteral("C2"));
    EXPECT_EQ(*cache.find(QStringLiteral("c")), QStringLiteral("C2"));
    cache.clear();
    EXPECT_EQ(cache.find(QStringLiteral("a")), nullptr);
}
