#include "list/DisplayList.h"
#include "list/ProjectF.h"
#include "model/Tables.h"
#include "platform/Host.h"
#include "store/SettingsFile.h"
#include "support/TestSupport.h"
#include "transfer/SubjSelectF.h"
#include "windows/AboutF.h"
#include "windows/HelpF.h"
#include "windows/MenuButF.h"
#include "windows/MenuF.h"
#include "windows/OptionsF.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace MainM;

namespace {

const QString SettingsFile = QStringLiteral("Portable Settings");

QString DaysOn(qint32 i)
{
    return Projects[size_t(i)]->Form->findChild<QLabel*>(QStringLiteral("Dayslbl"))->text();
}

// Leaves the threshold field as a user does: by moving the focus on.
void TypeThreshold(OptionsF* options, const QString& text)
{
    QVERIFY(QTest::qWaitForWindowActive(options));
    options->DaysTxt->setFocus();
    options->DaysTxt->selectAll();
    QTest::keyClicks(options->DaysTxt, text);
    options->ViewButs[0]->setFocus();
}

} // namespace

// The view menu, View Options, Help, About and the menu panel.
class TestWindows : public QObject
{
    Q_OBJECT

    RunningPlanner m_planner;

private Q_SLOTS:
    void init()
    {
        m_planner.Start();
        AddSubjectEntry(MakeSubject(QStringLiteral("Art")));
        AddProjectEntry(MakeProject(QStringLiteral("soon"), QStringLiteral("Art"), TodayInt + 10));
        AddProjectEntry(MakeProject(QStringLiteral("later"), QStringLiteral("Art"), TodayInt + 20));
        DisplayList();
    }
    void cleanup()
    {
        delete OptionsF::Show();
        delete MenuF::Current();
        delete HelpF::Show();
        m_planner.Stop();
    }

    void theMenuItemsChangeTheWordingAtOnceAndForGood_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("daysView");
        QTest::addColumn<QString>("soon");
        QTest::addColumn<QString>("later");
        QTest::newRow("Days") << "ViewDays" << 0 << "10 Days"
                              << "20 Days";
        QTest::newRow("Days and Weeks") << "ViewDaysandWeeks" << 1 << "1 W  3 D"
                                        << "2 W  6 D";
        QTest::newRow("Weeks") << "ViewWeeks" << 2 << "10 Days"
                               << "2 Weeks";
    }
    void theMenuItemsChangeTheWordingAtOnceAndForGood()
    {
        QFETCH(QString, item);
        QFETCH(int, daysView);
        QFETCH(QString, soon);
        QFETCH(QString, later);
        DaysView = daysView == 0 ? 1 : 0;
        QAction* action = MenuButF::Get()->MenuItem(item);
        QVERIFY(action);
        action->trigger();
        QCOMPARE(int(DaysView), daysView);
        QCOMPARE(DaysOn(0), soon);
        QCOMPARE(DaysOn(1), later);
        QCOMPARE(m_planner.ReadStore(SettingsFile).at(16), char(daysView));

        // After a restart the store gives the wording back.
        DaysView = 9;
        LoadSettings();
        QCOMPARE(int(DaysView), daysView);
    }

    void theMenuBarHasItsItems()
    {
        MenuButF* bar = MenuButF::Get();
        const struct
        {
            const char* name;
            const char* caption;
        } items[] = {{"ViewMenu", "&View"},  {"DaysSubmenu", "Days Remaining"},
                     {"ViewDays", "Days"},   {"ViewDaysandWeeks", "Days and Weeks"},
                     {"ViewWeeks", "Weeks"}, {"OptionsF", "Preferences"},
                     {"FileQuit", "Quit"}};
        for (const auto& item : items) {
            QAction* action = bar->MenuItem(QLatin1String(item.name));
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QLatin1String(item.caption));
        }
        QCOMPARE(bar->MenuItem(QStringLiteral("FileQuit"))->shortcut(),
                 QKeySequence(QKeySequence::Quit));
        QVERIFY(bar->actions().contains(bar->MenuItem(QStringLiteral("FileQuit"))));
        bar->MenuItem(QStringLiteral("FileQuit"))->trigger();
        QVERIFY(platform::QuitRequested());
    }

    void theBarCannotBeClosedButXQuits()
    {
        MenuButF* bar = MenuButF::Get();
        QVERIFY(!bar->close());
        QVERIFY(bar->isVisible());
        QVERIFY(!platform::QuitRequested());
        QTest::mouseClick(Control<QPushButton>(bar, "BevelButton4"), Qt::LeftButton);
        QVERIFY(platform::QuitRequested());
    }

    void switchViewTwiceComesBack()
    {
        const QRect column = Projects[1]->Form->geometry();
        MenuF::Show(MenuButF::Get());
        QTest::mouseClick(MenuF::Current()->SwitchBut, Qt::LeftButton);
        QCOMPARE(ViewMode, 1);
        QVERIFY(Projects[1]->Form->geometry() != column);
        QCOMPARE(MenuButF::Get()->y(), QGuiApplication::primaryScreen()->availableGeometry().top());
        MenuF::Show(MenuButF::Get());
        QTest::mouseClick(MenuF::Current()->SwitchBut, Qt::LeftButton);
        QCOMPARE(ViewMode, 0);
        QCOMPARE(Projects[1]->Form->geometry(), column);
        QVERIFY(!m_planner.InStore(SettingsFile)); // the layout is not kept
    }

    void optionsOpenOnTheSettingsWithoutChangingThem()
    {
        DaysView = 1;
        OptionsF* options = OptionsF::Show();
        QCOMPARE(options->windowTitle(), QStringLiteral("View Options"));
        QCOMPARE(options->size(), QSize(300, 91));
        QVERIFY(options->ViewButs[1]->isChecked());
        QCOMPARE(options->DaysTxt->text(), QStringLiteral("14"));
        QCOMPARE(int(DaysView), 1);
        QCOMPARE(OptionsF::Show(), options); // one window at a time
    }

    void aDamagedWordingSelectsNoButton()
    {
        DaysView = 7;
        OptionsF* options = OptionsF::Show();
        for (QRadioButton* button : options->ViewButs)
            QVERIFY(!button->isChecked());
        QCOMPARE(int(DaysView), 7);
    }

    void theThresholdField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("daysView");
        QTest::newRow("a new threshold means weeks") << "21" << 21 << "21" << 2;
        QTest::newRow("too large") << "300" << 255 << "255" << 2;
        QTest::newRow("negative") << "-5" << 0 << "0" << 2;
        QTest::newRow("no number") << "soon" << 0 << "0" << 2;
        QTest::newRow("the one in force") << "14 days" << 14 << "14 days" << 1;
    }
    void theThresholdField()
    {
        QFETCH(QString, typed);
        QFETCH(int, threshold);
        QFETCH(QString, shown);
        QFETCH(int, daysView);
        DaysView = 1;
        OptionsF* options = OptionsF::Show();
        TypeThreshold(options, typed);
        QCOMPARE(int(DaysViewDays), threshold);
        QCOMPARE(options->DaysTxt->text(), shown);
        QCOMPARE(int(DaysView), daysView);
        QCOMPARE(options->ViewButs[2]->isChecked(), daysView == 2);
        QCOMPARE(DaysOn(0), QStringLiteral("1 W  3 D")); // the list waits for the closing
        QVERIFY(!m_planner.InStore(SettingsFile));
    }

    void changesAreSavedOnceWhenTheWindowCloses_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("close box") << false;
        QTest::newRow("Escape") << true;
    }
    void changesAreSavedOnceWhenTheWindowCloses()
    {
        QFETCH(bool, byEscape);
        OptionsF* options = OptionsF::Show();
        // On the button's circle: a click beyond its caption is no click on it.
        QTest::mouseClick(options->ViewButs[0], Qt::LeftButton, {}, QPoint(6, 7));
        QCOMPARE(int(DaysView), 0);
        TypeThreshold(options, QStringLiteral("7"));
        QTest::mouseClick(options->ViewButs[1], Qt::LeftButton, {}, QPoint(6, 7));
        QVERIFY(!m_planner.InStore(SettingsFile));
        // Still being typed when the window closes: it counts.
        options->DaysTxt->setFocus();
        options->DaysTxt->selectAll();
        QTest::keyClicks(options->DaysTxt, QStringLiteral("9"));
        QPointer<OptionsF> window = options;
        if (byEscape)
            QTest::keyClick(options->DaysTxt, Qt::Key_Escape);
        else
            options->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window);
        QCOMPARE(m_planner.ReadStore(SettingsFile), QByteArray(16, '\0') + QByteArray("\x02\x09"));
        QCOMPARE(DaysOn(1), QStringLiteral("2 Weeks"));
    }

    void helpSwapsItsTexts()
    {
        HelpF* help = HelpF::Show();
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QCOMPARE(help->SelBox->count(), 2);
        QVERIFY(help->GStart->isVisible());
        QVERIFY(!help->VHist->isVisible());
        QVERIFY(help->GStart->text().startsWith(QStringLiteral("To start using Duetide")));
        QVERIFY(help->GStart->text().endsWith(QStringLiteral("into the wieghting field.")));
        QCOMPARE(help->GStart->text().count(u'\n'), 3);
        QCOMPARE(help->VHist->text().count(u'\n'), 12);
        help->SelBox->setCurrentRow(1);
        QVERIFY(!help->GStart->isVisible());
        QVERIFY(help->VHist->isVisible());
        help->SelBox->clearSelection(); // nothing selected: the text stays
        QVERIFY(help->VHist->isVisible());
        help->SelBox->setCurrentRow(0);
        QVERIFY(help->GStart->isVisible());
        QCOMPARE(HelpF::Show(), help);
    }

    void aboutShowsOnlyMajorAndMinor()
    {
        AboutF about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About"));
        QCOMPARE(about.size(), QSize(219, 149));
        QCOMPARE(about.Verlbl->text(), QStringLiteral("Version 1.3"));
        QCOMPARE(about.DateLbl->text(), QStringLiteral("8th Nov 2005"));
        QCOMPARE(about.Verlbl->palette().color(QPalette::WindowText), QColor(111, 126, 145));
        QCOMPARE(about.DateLbl->font().pixelSize(), 12);
        QCOMPARE(AboutBox().size(), QSize(219, 149));
        QCOMPARE(&AboutBox(), &AboutBox()); // loaded once
    }

    void thePanelHangsUnderTheBar()
    {
        MenuButF* bar = MenuButF::Get();
        QTest::mouseClick(Control<QPushButton>(bar, "BevelButton5"), Qt::LeftButton);
        MenuF* panel = MenuF::Current();
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->size(), QSize(143, 195));
        QCOMPARE(panel->frameGeometry().right(), bar->frameGeometry().right());
        QCOMPARE(panel->y(), bar->frameGeometry().bottom() + 1);
        QCOMPARE(MenuF::Show(bar), panel);
        QTest::mouseClick(panel->CloseBut, Qt::LeftButton);
        QVERIFY(!panel->isVisible());
    }

    // Every command closes the panel before it does its work.
    void eachCommandClosesThePanelFirst()
    {
        const auto panelGone = [] { return !MenuF::Current() || !MenuF::Current()->isVisible(); };
        bool closedFirst = false;

        MenuF::Show(MenuButF::Get());
        WhenModal<AboutF>([&](AboutF* about) {
            closedFirst = panelGone();
            about->close();
        });
        QTest::mouseClick(MenuF::Current()->AboutBut, Qt::LeftButton);
        QVERIFY(closedFirst);

        closedFirst = false;
        MenuF::Show(MenuButF::Get());
        WhenModal<SubjSelectF>([&](SubjSelectF* select) {
            closedFirst = panelGone();
            select->close();
        });
        QTest::mouseClick(MenuF::Current()->ExpBut, Qt::LeftButton);
        QVERIFY(closedFirst);

        {
            ScriptedDialogs dialogs;
            dialogs.AnswerNo(); // cancels the open dialog
            MenuF::Show(MenuButF::Get());
            QTest::mouseClick(MenuF::Current()->ImpBut, Qt::LeftButton);
            QCOMPARE(dialogs.Asked().size(), 1);
            QVERIFY(panelGone());
        }

        MenuF::Show(MenuButF::Get());
        QTest::mouseClick(MenuF::Current()->HelpBut, Qt::LeftButton);
        QVERIFY(panelGone());
        QVERIFY(HelpF::Show()->isVisible());

        MenuF::Show(MenuButF::Get());
        QTest::mouseClick(MenuF::Current()->OptionsBut, Qt::LeftButton);
        QVERIFY(panelGone());
        QVERIFY(OptionsF::Show()->isVisible());
    }
};

DUETIDE_TEST_MAIN(TestWindows)
#include "tst_windows.moc"
