// The list box, offscreen: batch filling, selection from code against the user's clicks, scrolling.
#include "platform/list_box.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using platform::ListBox;

namespace {

QStringList numberedLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("   Lundi    05  Mars  2024  à  10 h. %1  :  Niveau Leq 1 Min. =  62 dBA.")
                     .arg(i);
    return lines;
}

class ListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.resize(400, 200);
        list.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    }

    QPoint centreOf(int row) { return list.visualRect(list.model()->index(row, 0)).center(); }

    // Whether the whole height of a line lies inside the visible part of a list.
    static bool fullyVisible(ListBox &box, int row)
    {
        const QRect line = box.visualRect(box.model()->index(row, 0));
        return line.top() >= 0 && line.bottom() <= box.viewport()->height() - 1;
    }
    bool fullyVisible(int row) { return fullyVisible(list, row); }

    ListBox list;
};

TEST_F(ListBoxTest, FiftyThousandLinesFillAtOnce)
{
    const QStringList lines = numberedLines(50000);
    QElapsedTimer timer;
    timer.start();
    list.AddItems(lines);
    // The view lays the lines out and paints them on the next events.
    QApplication::processEvents();
    const qint64 elapsed = timer.elapsed();

    EXPECT_EQ(list.ListCount(), 50000);
    EXPECT_EQ(list.List(0), lines.first());
    EXPECT_EQ(list.List(49999), lines.last());
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_LT(elapsed, 100) << "filling 50,000 lines took " << elapsed << " ms";
}

TEST_F(ListBoxTest, LinesAppendAfterThoseAlreadyThere)
{
    list.AddItems({QStringLiteral("a"), QStringLiteral("b")});
    list.AddItem(QString());
    list.AddItems({QStringLiteral("c"), QStringLiteral("d")});
    list.AddItems({});

    ASSERT_EQ(list.ListCount(), 5);
    EXPECT_EQ(list.List(0), QStringLiteral("a"));
    EXPECT_EQ(list.List(1), QStringLiteral("b"));
    EXPECT_TRUE(list.List(2).isEmpty());
    EXPECT_EQ(list.List(4), QStringLiteral("d"));
    EXPECT_TRUE(list.List(5).isNull());
    EXPECT_TRUE(list.List(-1).isNull());
}

TEST_F(ListBoxTest, ClearEmptiesTheListAndItsSelection)
{
    list.AddItems(numberedLines(20));
    list.setListIndex(7);
    ASSERT_EQ(list.ListIndex(), 7);
    QSignalSpy clicks(&list, &ListBox::Click);

    list.Clear();

    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.TopIndex(), -1);
    EXPECT_EQ(clicks.count(), 0);
    // Filled again, the list starts without a selection.
    list.AddItems(numberedLines(3));
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ListBoxTest, SelectionFromCodeNeverEmitsClick)
{
    list.AddItems(numberedLines(100));
    QSignalSpy clicks(&list, &ListBox::Click);

    list.setListIndex(12);
    EXPECT_EQ(list.ListIndex(), 12);
    list.setListIndex(99);
    EXPECT_EQ(list.ListIndex(), 99);
    list.setListIndex(100);
    EXPECT_EQ(list.ListIndex(), -1);
    list.setListIndex(3);
    list.setListIndex(-1);
    EXPECT_EQ(list.ListIndex(), -1);
    QApplication::processEvents();

    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(ListBoxTest, MouseClickSelectsTheLineAndEmitsClickOnce)
{
    list.AddItems(numberedLines(10));
    QSignalSpy clicks(&list, &ListBox::Click);
    int indexSeen = -2;
    QObject::connect(&list, &ListBox::Click, [&] { indexSeen = list.ListIndex(); });

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(4));

    EXPECT_EQ(clicks.count(), 1);
    // The handler already sees the clicked line selected.
    EXPECT_EQ(indexSeen, 4);
    EXPECT_EQ(list.ListIndex(), 4);

    // Any button counts as a click.
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, centreOf(6));
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(indexSeen, 6);
}

TEST_F(ListBoxTest, ArrowKeysEmitClickOnlyWhenTheLineMoves)
{
    list.AddItems(numberedLines(5));
    list.setFocus();
    list.setListIndex(0);
    QSignalSpy clicks(&list, &ListBox::Click);

    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(clicks.count(), 1);

    QTest::keyClick(&list, Qt::Key_Up);
    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(clicks.count(), 2) << "Up on the first line moves nothing";

    list.setListIndex(4);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(list.ListIndex(), 4);
    EXPECT_EQ(clicks.count(), 2) << "Down on the last line moves nothing";
}

TEST_F(ListBoxTest, HandlerSelectingInAnotherListDoesNotStartItsHandler)
{
    ListBox partner;
    partner.AddItems(numberedLines(10));
    list.AddItems(numberedLines(10));
    QSignalSpy partnerClicks(&partner, &ListBox::Click);
    QObject::connect(&list, &ListBox::Click, [&] { partner.setListIndex(list.ListIndex()); });

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(3));
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Down);

    EXPECT_EQ(partner.ListIndex(), 4);
    EXPECT_EQ(partnerClicks.count(), 0);
}

TEST_F(ListBoxTest, DoubleClickOnALineEmitsDblClick)
{
    list.AddItems(numberedLines(10));
    QSignalSpy doubles(&list, &ListBox::DblClick);

    list.setListIndex(2);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centreOf(2));
    EXPECT_EQ(doubles.count(), 0);
    // Through the window, so that Qt itself turns the second press into a double click.
    QTest::mouseDClick(list.windowHandle(), Qt::LeftButton, {}, list.viewport()->mapTo(&list, centreOf(5)));

    EXPECT_EQ(doubles.count(), 1);
    EXPECT_EQ(list.ListIndex(), 5);
}

TEST_F(ListBoxTest, TopIndexScrollsAndReadsBack)
{
    list.AddItems(numberedLines(1000));
    EXPECT_EQ(list.TopIndex(), 0);

    list.setTopIndex(500);
    EXPECT_EQ(list.TopIndex(), 500);
    EXPECT_TRUE(fullyVisible(500));
    EXPECT_FALSE(fullyVisible(499));

    // The last line cannot reach the top: the list stops at its end.
    list.setTopIndex(999);
    EXPECT_GT(list.TopIndex(), 900);
    EXPECT_LT(list.TopIndex(), 999);
    EXPECT_TRUE(fullyVisible(999));

    list.setTopIndex(5000);
    EXPECT_GT(list.TopIndex(), 900);
}

TEST_F(ListBoxTest, SelectedLineIsScrolledIntoView)
{
    list.AddItems(numberedLines(1000));
    list.setListIndex(700);
    QApplication::processEvents();
    EXPECT_TRUE(fullyVisible(700));
    EXPECT_GT(list.TopIndex(), 600);

    // A list filled and selected while hidden shows its selected line when it appears.
    ListBox hidden;
    hidden.resize(400, 200);
    hidden.AddItems(numberedLines(1000));
    hidden.setListIndex(800);
    hidden.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hidden));
    QApplication::processEvents();
    EXPECT_TRUE(fullyVisible(hidden, 800));
}

TEST_F(ListBoxTest, ScreenReadersReadEveryLine)
{
    list.AddItems({QStringLiteral("   Lundi    05  Mars"), QString(), QStringLiteral("Niveau Crête")});
    EXPECT_EQ(list.model()->index(2, 0).data(Qt::AccessibleTextRole).toString(),
              QStringLiteral("Niveau Crête"));

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&list);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::List);
    ASSERT_EQ(iface->childCount(), 3);
    EXPECT_EQ(iface->child(0)->text(QAccessible::Name), QStringLiteral("   Lundi    05  Mars"));
    EXPECT_EQ(iface->child(2)->text(QAccessible::Name), QStringLiteral("Niveau Crête"));
}

} // namespace
