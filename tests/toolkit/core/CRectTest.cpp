#include <gtest/gtest.h>

#include "core/CRect.h"

using Vantix::CPoint;
using Vantix::CRect;
using Vantix::CSize;

TEST(CRect, IsARectForWin32Calls) {
    CRect rect(10, 20, 50, 40);
    RECT* raw = rect;
    EXPECT_EQ(&rect, raw);
    EXPECT_EQ(sizeof(RECT), sizeof(CRect));
    EXPECT_EQ(sizeof(POINT), sizeof(CPoint));
    EXPECT_EQ(sizeof(SIZE), sizeof(CSize));
    EXPECT_EQ(40, rect.Width());
    EXPECT_EQ(20, rect.Height());
    EXPECT_EQ(CSize(40, 20), rect.Size());
    EXPECT_EQ(CPoint(30, 30), rect.CenterPoint());
}

TEST(CRect, PointsOnTheRightAndBottomEdgesAreOutside) {
    struct Case {
        int x, y;
        BOOL inside;
    };
    static const Case cases[] = {
        {275, 10, TRUE},  {292, 26, TRUE},  {293, 26, FALSE},
        {292, 27, FALSE}, {274, 10, FALSE}, {275, 9, FALSE},
    };
    CRect frame(275, 10, 293, 27);
    for (const Case& c : cases)
        EXPECT_EQ(c.inside, frame.PtInRect(CPoint(c.x, c.y))) << c.x << "," << c.y;
}

TEST(CRect, EmptyMeansNoArea) {
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(9, 0, 5, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(0, 0, 1, 1).IsRectEmpty());
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(5, 5, 5, 9).IsRectNull());
}

TEST(CRect, GeometryOperations) {
    struct Case {
        const char* name;
        void (*apply)(CRect&);
        CRect expected;
    };
    static const Case cases[] = {
        {"offset", [](CRect& r) { r.OffsetRect(5, -10); }, CRect(15, 10, 55, 30)},
        {"offset point", [](CRect& r) { r.OffsetRect(CPoint(-10, -20)); }, CRect(0, 0, 40, 20)},
        {"move", [](CRect& r) { r.MoveToXY(0, 0); }, CRect(0, 0, 40, 20)},
        {"inflate", [](CRect& r) { r.InflateRect(2, 3); }, CRect(8, 17, 52, 43)},
        {"inflate sides", [](CRect& r) { r.InflateRect(1, 2, 3, 4); }, CRect(9, 18, 53, 44)},
        {"deflate", [](CRect& r) { r.DeflateRect(2, 2); }, CRect(12, 22, 48, 38)},
        {"deflate sides", [](CRect& r) { r.DeflateRect(1, 2, 3, 4); }, CRect(11, 22, 47, 36)},
        {"set", [](CRect& r) { r.SetRect(1, 2, 3, 4); }, CRect(1, 2, 3, 4)},
        {"set empty", [](CRect& r) { r.SetRectEmpty(); }, CRect()},
        {"normalize",
         [](CRect& r) {
             r.SetRect(50, 40, 10, 20);
             r.NormalizeRect();
         },
         CRect(10, 20, 50, 40)},
    };
    for (const Case& c : cases) {
        CRect rect(10, 20, 50, 40);
        c.apply(rect);
        EXPECT_EQ(c.expected, rect) << c.name;
    }
}

TEST(CRect, IntersectAndUnion) {
    struct Case {
        CRect a, b;
        BOOL intersects;
        CRect intersection, unionRect;
    };
    static const Case cases[] = {
        {CRect(0, 0, 10, 10), CRect(5, 5, 20, 20), TRUE, CRect(5, 5, 10, 10), CRect(0, 0, 20, 20)},
        {CRect(0, 0, 10, 10), CRect(10, 0, 20, 10), FALSE, CRect(), CRect(0, 0, 20, 10)},
        {CRect(0, 0, 10, 10), CRect(), FALSE, CRect(), CRect(0, 0, 10, 10)},
        {CRect(2, 2, 4, 4), CRect(0, 0, 10, 10), TRUE, CRect(2, 2, 4, 4), CRect(0, 0, 10, 10)},
    };
    for (const Case& c : cases) {
        CRect both;
        EXPECT_EQ(c.intersects, both.IntersectRect(&c.a, &c.b));
        EXPECT_EQ(c.intersection, both);
        CRect either;
        either.UnionRect(&c.a, &c.b);
        EXPECT_EQ(c.unionRect, either);
    }
}

TEST(CRect, IntersectMayWriteIntoAnOperand) {
    CRect dirty(0, 0, 100, 100);
    CRect control(90, 90, 120, 120);
    dirty.IntersectRect(&dirty, &control);
    EXPECT_EQ(CRect(90, 90, 100, 100), dirty);
}
