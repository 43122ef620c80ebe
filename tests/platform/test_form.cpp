// The windows' re-entrancy pieces, offscreen: what a user reaches while an exchange waits, windows unloaded
// under a running handler, and the captions and icon a window gets when first shown.
#include "platform/form.h"
#include "platform/input_guard.h"
#include "platform/ticks.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using platform::Form;
using platform::HandlerScope;
using platform::InputGuard;

namespace {

// What the window system delivers when the user clicks a window's close box: a spontaneous close event
// to the window, which hands a spontaneous one on to its widget. Returns whether the close was accepted.
bool userCloses(QWidget *window)
{
    QCloseEvent event;
    QSpontaneKeyEvent::setSpontaneous(&event);
    QCoreApplication::instance()->notify(window->windowHandle(), &event);
    return event.isAccepted();
}

void runDeferredDeletes()
{
    platform::DoEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    platform::DoEvents();
}

class InputGuardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(300, 200);
        button = new QPushButton(QStringLiteral("Graphique"), &window);
        button->setGeometry(10, 10, 100, 30);
        edit = new QLineEdit(&window);
        edit->setGeometry(10, 50, 100, 25);
        panel = new QWidget(&window);
        panel->setGeometry(150, 10, 140, 100);
        panelButton = new QPushButton(QStringLiteral("Annuler"), panel);
        panelButton->setGeometry(10, 10, 100, 30);
        InputGuard::AllowWidget(panel);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { platform::SetProgramClosing(false); }

    // Whether a real click on `target` reaches it.
    static bool clickReaches(QPushButton *target)
    {
        QSignalSpy clicked(target, &QPushButton::clicked);
        QTest::mouseClick(target, Qt::LeftButton);
        return clicked.count() == 1;
    }
    // Whether typed keys reach the line edit.
    bool keysReach()
    {
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("ab"));
        return edit->text() == QStringLiteral("ab");
    }

    QWidget window;
    QPushButton *button = nullptr;
    QLineEdit *edit = nullptr;
    QWidget *panel = nullptr;
    QPushButton *panelButton = nullptr;
};

TEST_F(InputGuardTest, DropsClicksAndKeysOutsideWhatIsAllowed)
{
    ASSERT_TRUE(clickReaches(button));
    ASSERT_TRUE(keysReach());
    {
        InputGuard guard;
        EXPECT_TRUE(InputGuard::Active());
        EXPECT_FALSE(clickReaches(button));
        EXPECT_FALSE(keysReach());
        EXPECT_TRUE(clickReaches(panelButton));

        // A box the exchange shows itself stays usable.
        QDialog dialog(&window);
        dialog.setModal(true);
        auto *ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setGeometry(10, 10, 80, 30);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_TRUE(clickReaches(ok));
        dialog.close();
    }
    EXPECT_FALSE(InputGuard::Active());
    EXPECT_TRUE(clickReaches(button));
    EXPECT_TRUE(keysReach());
}

TEST_F(InputGuardTest, MenuBarPassesOnlyItsAllowedEntries)
{
    QMainWindow main;
    QAction *quit = main.menuBar()->addAction(QStringLiteral("&Quitter"));
    QAction *graph = main.menuBar()->addAction(QStringLiteral("&Graphique"));
    InputGuard::AllowAction(quit);
    main.resize(300, 200);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QMenuBar *bar = main.menuBar();
    const auto triggers = [bar](QAction *entry) {
        QSignalSpy triggered(entry, &QAction::triggered);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
        return triggered.count() == 1;
    };
    ASSERT_TRUE(triggers(graph));
    {
        InputGuard guard;
        EXPECT_FALSE(triggers(graph));
        EXPECT_TRUE(triggers(quit));
    }
    EXPECT_TRUE(triggers(graph));
}

TEST_F(InputGuardTest, HoldsBackOnlyTheUsersCloses)
{
    QWidget closable;
    closable.resize(100, 100);
    InputGuard::AllowClose(&closable);
    closable.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&closable));
    {
        InputGuard guard;
        EXPECT_FALSE(userCloses(&window));
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(userCloses(&closable));
        EXPECT_FALSE(closable.isVisible());
        // A box that the exchange shows closes by its close box too.
        QDialog box;
        box.setModal(true);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        EXPECT_TRUE(userCloses(&box));
        EXPECT_FALSE(box.isVisible());
        // The program closes its own windows as it needs.
        EXPECT_TRUE(window.close());
        EXPECT_FALSE(window.isVisible());
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(userCloses(&window));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(InputGuardTest, NestedGuardsStandUntilTheLastAndGiveWayWhenTheProgramCloses)
{
    auto outer = std::make_unique<InputGuard>();
    {
        InputGuard inner;
        EXPECT_FALSE(clickReaches(button));
    }
    EXPECT_TRUE(InputGuard::Active());
    EXPECT_FALSE(clickReaches(button));
    EXPECT_FALSE(keysReach());

    platform::SetProgramClosing(true);
    EXPECT_TRUE(clickReaches(button));
    EXPECT_TRUE(keysReach());
    EXPECT_TRUE(userCloses(&window));
    EXPECT_FALSE(window.isVisible());
    platform::SetProgramClosing(false);

    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(clickReaches(button));
    outer.reset();
    EXPECT_FALSE(InputGuard::Active());
    EXPECT_TRUE(clickReaches(button));
}

class CountingForm : public Form
{
public:
    using Form::Form;
    int unloads = 0;

protected:
    void Form_Unload() override { ++unloads; }
};

struct AfterWait
{
    bool alive = false;
    bool stands = true;
};

// A handler of `form` that waits for its device while window events run, as the exchanges do; `meanwhile`
// runs among those events (a user's command, another handler). Then it looks whether it may go on.
AfterWait handlerThatWaits(Form *form, const std::function<void()> &meanwhile)
{
    const QPointer<Form> watched(form);
    HandlerScope scope(form);
    bool ran = false;
    QTimer::singleShot(0, form, [&] {
        meanwhile();
        ran = true;
    });
    platform::PumpUntil([&] { return ran; }, platform::GetTickCount() + 1000);
    runDeferredDeletes();
    return {!watched.isNull(), scope.Stands()};
}

class HandlerScopeTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        platform::SetProgramClosing(false);
        platform::SetMdiArea(nullptr);
    }
};

TEST_F(HandlerScopeTest, UnloadedFormLivesUntilItsHandlerReturns)
{
    QPointer<CountingForm> form = new CountingForm(Form::Kind::Independent);
    form->Show();
    const AfterWait after = handlerThatWaits(form, [&] { form->Unload(); });
    EXPECT_TRUE(after.alive);
    EXPECT_FALSE(after.stands);
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(form->unloads, 1);
    EXPECT_FALSE(form->isVisible());
    runDeferredDeletes();
    EXPECT_TRUE(form.isNull());

    // Without a handler the window goes at the next events, its Form_Unload run once.
    form = new CountingForm(Form::Kind::Independent);
    form->Show();
    form->Unload();
    form->Unload();
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(form->unloads, 1);
    runDeferredDeletes();
    EXPECT_TRUE(form.isNull());
}

TEST_F(HandlerScopeTest, NestedHandlersDeleteOnlyAfterTheOuterOne)
{
    QPointer<CountingForm> form = new CountingForm(Form::Kind::Independent);
    form->Show();
    AfterWait inner;
    const AfterWait outer =
        handlerThatWaits(form, [&] { inner = handlerThatWaits(form, [&] { form->Unload(); }); });
    EXPECT_TRUE(inner.alive);
    EXPECT_FALSE(inner.stands);
    EXPECT_TRUE(outer.alive);
    EXPECT_FALSE(outer.stands);
    ASSERT_FALSE(form.isNull());
    runDeferredDeletes();
    EXPECT_TRUE(form.isNull());

    // Inside the multi-document area the sub-window around the form is what goes.
    QMdiArea area;
    area.resize(400, 300);
    platform::SetMdiArea(&area);
    area.show();
    form = new CountingForm(Form::Kind::MdiChild);
    form->Show();
    QPointer<QWidget> sub = form->parentWidget();
    ASSERT_NE(qobject_cast<QMdiSubWindow *>(sub.data()), nullptr);
    EXPECT_TRUE(handlerThatWaits(form, [&] { form->Unload(); }).alive);
    EXPECT_FALSE(sub.isNull());
    runDeferredDeletes();
    EXPECT_TRUE(sub.isNull());
    EXPECT_TRUE(form.isNull());
}

TEST_F(HandlerScopeTest, StandsEndsWhenTheProgramCloses)
{
    QPointer<CountingForm> form = new CountingForm(Form::Kind::Independent);
    {
        HandlerScope scope(form);
        EXPECT_TRUE(scope.Stands());
        EXPECT_TRUE(form->InHandler());
        platform::SetProgramClosing(true);
        EXPECT_FALSE(scope.Stands());
        platform::SetProgramClosing(false);
        EXPECT_TRUE(scope.Stands());
    }
    EXPECT_FALSE(form->InHandler());
    // A handler that ends on a loaded window leaves it be.
    runDeferredDeletes();
    ASSERT_FALSE(form.isNull());
    EXPECT_EQ(form->unloads, 0);
    delete form.data();
}

class FormShowTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        platform::SetMdiArea(nullptr);
        QApplication::setWindowIcon(QIcon());
    }
};

TEST_F(FormShowTest, CaptionsAreWidenedOrBrokenToFit)
{
    // 300 x 200 pixels.
    Form form(Form::Kind::Independent, QStringLiteral("Configuration"), 4500, 3000);
    auto *port = new QRadioButton(QStringLiteral("COM 16"), &form);
    port->setGeometry(10, 10, 59, 17);
    const QString caption = QStringLiteral("Enregistrer les niveaux du jour");
    auto *twoLines = new QCheckBox(caption, &form);
    twoLines->setGeometry(150, 40, 120, 34);
    auto *oneLine = new QCheckBox(caption, &form);
    oneLine->setGeometry(150, 90, 120, 17);
    const int room = form.width() - 150 - 4;
    ASSERT_GT(port->sizeHint().width(), 59);
    ASSERT_GT(twoLines->sizeHint().width(), room);
    ASSERT_GE(twoLines->height(), 2 * QFontMetrics(twoLines->font()).height());

    form.Show();
    EXPECT_EQ(port->width(), port->sizeHint().width());
    EXPECT_EQ(port->text(), QStringLiteral("COM 16"));

    const qsizetype cut = twoLines->text().indexOf(QLatin1Char('\n'));
    ASSERT_GT(cut, 0);
    QString joined = twoLines->text();
    joined[cut] = QLatin1Char(' ');
    EXPECT_EQ(joined, caption);
    EXPECT_EQ(twoLines->width(), room);
    EXPECT_LE(twoLines->sizeHint().width(), twoLines->width());

    // One line high: as wide as the room allows, the caption left whole.
    EXPECT_EQ(oneLine->text(), caption);
    EXPECT_EQ(oneLine->width(), room);
}

TEST_F(FormShowTest, MdiChildCarriesTheProgramsIcon)
{
    QPixmap logo(16, 16);
    logo.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(logo));
    // The windows around the area may carry another icon; the child shows the program's.
    QWidget host;
    QPixmap other(16, 16);
    other.fill(Qt::blue);
    host.setWindowIcon(QIcon(other));
    host.resize(500, 400);
    auto *area = new QMdiArea(&host);
    area->setGeometry(0, 0, 500, 400);
    platform::SetMdiArea(area);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));

    auto *form = new Form(Form::Kind::MdiChild, QStringLiteral("Graphique"), 3000, 2000);
    form->Show();
    auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->windowIcon().isNull());
    EXPECT_EQ(sub->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());

    // The title bar draws it.
    const QImage title = sub->grab(QRect(0, 0, sub->width(), 30)).toImage();
    int red = 0;
    for (int y = 0; y < title.height(); ++y)
        for (int x = 0; x < title.width(); ++x)
            red += title.pixelColor(x, y) == QColor(Qt::red) ? 1 : 0;
    EXPECT_GT(red, 0);
}

} // namespace

namespace {

// A window that hides itself in its load (as the table windows do while they fill) and is shown after:
// its frame in the main window takes its whole size, and follows a new client size at the next show.
TEST_F(FormShowTest, HiddenBeforeItsFirstShowItOpensWhole)
{
    QMainWindow main;
    auto *area = new QMdiArea(&main);
    main.setCentralWidget(area);
    main.resize(900, 700);
    platform::SetMdiArea(area);
    main.show();
    auto *form = new Form(Form::Kind::MdiChild, QStringLiteral("Tableau"), 7500, 6000); // 500 x 400
    form->Hide();
    form->Show();
    QCoreApplication::processEvents();
    auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_GE(frame->width(), 500);
    EXPECT_GE(frame->height(), 400);
    EXPECT_EQ(form->size(), QSize(500, 400));
    form->Hide();
    form->setClientSizeTwips(7500, 9000);
    form->Show();
    QCoreApplication::processEvents();
    EXPECT_GE(frame->height(), 600);
    EXPECT_EQ(form->height(), 600);
    form->Unload();
}

} // namespace
