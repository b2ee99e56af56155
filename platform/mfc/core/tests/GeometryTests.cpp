#include <afx.h>
#include <gtest/gtest.h>

TEST(Geometry, RectangleMeasuresAndMoves)
{
    CRect r(10, 20, 50, 80);
    EXPECT_EQ(40, r.Width());
    EXPECT_EQ(60, r.Height());
    EXPECT_EQ(CSize(40, 60), r.Size());
    EXPECT_EQ(CPoint(10, 20), r.TopLeft());
    EXPECT_EQ(CPoint(50, 80), r.BottomRight());
    EXPECT_EQ(CPoint(30, 50), r.CenterPoint());
    r.TopLeft().x = 0;
    EXPECT_EQ(0, r.left);

    CRect m(0, 0, 10, 10);
    m.InflateRect(2, 3);
    EXPECT_EQ(CRect(-2, -3, 12, 13), m);
    m.DeflateRect(1, 1, 2, 2);
    EXPECT_EQ(CRect(-1, -2, 10, 11), m);
    m.OffsetRect(CPoint(1, 2));
    EXPECT_EQ(CRect(0, 0, 11, 13), m);
    EXPECT_EQ(CRect(5, 5, 16, 18), m + CSize(5, 5));
    CRect flipped(10, 10, 0, 0);
    EXPECT_TRUE(flipped.IsRectEmpty());
    flipped.NormalizeRect();
    EXPECT_EQ(CRect(0, 0, 10, 10), flipped);
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_FALSE(CRect(1, 1, 1, 1).IsRectNull());
    EXPECT_TRUE(CRect(1, 1, 1, 1).IsRectEmpty());
}

TEST(Geometry, RectangleSetOperationsFollowUser32)
{
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), result;
    EXPECT_TRUE(result.IntersectRect(a, b));
    EXPECT_EQ(CRect(5, 5, 10, 10), result);
    EXPECT_FALSE(result.IntersectRect(a, CRect(20, 20, 30, 30)));
    EXPECT_TRUE(result.IsRectNull());
    EXPECT_TRUE(result.UnionRect(a, b));
    EXPECT_EQ(CRect(0, 0, 20, 20), result);
    EXPECT_EQ(CRect(0, 0, 20, 20), a | b);
    EXPECT_EQ(CRect(5, 5, 10, 10), a & b);
    EXPECT_TRUE(result.SubtractRect(a, CRect(5, -1, 11, 11)));
    EXPECT_EQ(CRect(0, 0, 5, 10), result);
    EXPECT_TRUE(result.SubtractRect(a, CRect(5, 5, 6, 6)));
    EXPECT_EQ(a, result);  // a hole in the middle leaves the rectangle whole
    EXPECT_TRUE(a.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(a.PtInRect(CPoint(10, 5)));
}

TEST(Geometry, PointsAndSizes)
{
    CPoint p(3, 4);
    p += CSize(1, 1);
    EXPECT_EQ(CPoint(4, 5), p);
    EXPECT_EQ(CSize(3, 3), p - CPoint(1, 2));
    EXPECT_EQ(CPoint(-4, -5), -p);
    EXPECT_EQ(CPoint(-1, 2), CPoint((LPARAM)MAKELPARAM(-1, 2)));
    EXPECT_EQ(CSize(5, 7), CSize(2, 3) + CSize(3, 4));
    EXPECT_TRUE(CSize(1, 2) != CSize(2, 1));
}
