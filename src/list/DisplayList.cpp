#include "DisplayList.h"

#include "ProjectF.h"
#include "model/DayNumbers.h"
#include "model/Tables.h"
#include "platform/Clock.h"
#include "store/Fields.h"
#include "windows/MenuButF.h"

#include <QApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>

namespace MainM {

namespace {

// The strip of project i is replaced by a new one, or by none when the
// project is delivered or its subject hidden. A strip whose own press is
// still being handled must outlive this, hence deleteLater.
ProjectF* RenewStrip(qint32 i)
{
    ProjectDef& project = *Projects[size_t(i)];
    if (project.Form) {
        project.Form->hide();
        project.Form->deleteLater();
    }
    project.Form = nullptr;
    if (project.ClassV == ClassDelivered)
        return nullptr;
    const std::shared_ptr<SubjectDef> subject = FindSubject(project.Subject);
    if (subject->Invisible)
        return nullptr;
    auto* strip = new ProjectF;
    strip->SetColour(*subject->Colour);
    strip->SetTexts(project.PName, project.Subject, project.Weighting, project.DaysToGo);
    strip->SuperID = i;
    project.Form = strip;
    return strip;
}

void ShowAndFocus(MenuButF* bar)
{
    bar->show();
    bar->activateWindow();
    bar->setFocus();
}

// Windows stand against the right edge of the screen's free area, which is
// x = 0 plus its width unless a panel or another monitor lies to the left.
struct Area
{
    int top, right, height;
};

Area FreeArea()
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    return {area.top(), area.x() + area.width(), area.height()};
}

void ColumnView(const Area& area, MenuButF* bar)
{
    int shown = 0;
    for (qint32 i = 0; i <= ProjectCount; ++i) {
        ProjectF* strip = RenewStrip(i);
        if (!strip)
            continue;
        strip->move(area.right - ProjectF::StripWidth,
                    area.top + shown * (ProjectF::StripHeight + 1));
        strip->show();
        ++shown;
    }
    bar->move(area.right - bar->width(), area.top + shown * (ProjectF::StripHeight + 1));
    ShowAndFocus(bar);
}

// Strips down the screen in proportion to their time left, in two columns:
// a strip goes to the right-hand column when it clears the last strip there,
// else to the left-hand one if that column ends higher.
void TimeLineView(const Area& area, MenuButF* bar)
{
    constexpr int stripHeight = ProjectF::StripHeight;
    constexpr int stripWidth = ProjectF::StripWidth;
    const qint32 first = FirstDay();
    const qint32 span = LastDay() - first;
    // Every project due on the same day (span 0) stands right under the bar.
    const float scale =
        span == 0 ? 0.0f : float(double(area.height - stripHeight - bar->height()) / span);
    int bottoms[2] = {0, 0};
    for (qint32 i = 0; i <= ProjectCount; ++i) {
        ProjectF* strip = RenewStrip(i);
        if (!strip)
            continue;
        const int top = int(std::lround(double(Projects[size_t(i)]->DaysToGo - first) * scale))
                        + area.top + bar->height();
        const int column = top < bottoms[0] && bottoms[1] < bottoms[0] ? 1 : 0;
        strip->move(area.right - stripWidth * (column + 1), top);
        bottoms[column] = top + stripHeight;
        strip->show();
    }
    bar->move(area.right - bar->width(), area.top);
    bar->hide();
    ShowAndFocus(bar);
}

} // namespace

void SortList()
{
    DefineToday();
    for (qint32 i = 0; i <= ProjectCount; ++i) {
        ProjectDef& project = *Projects[size_t(i)];
        // Saturated, not wrapped: a mistyped year must not turn an overdue
        // project into one that is due last.
        project.DaysToGo = Saturated16(qint64(project.DueDate) - TodayInt);
    }
    std::stable_sort(Projects.begin(), Projects.end(),
                     [](const auto& a, const auto& b) { return a->DaysToGo < b->DaysToGo; });
}

qint32 FirstDay()
{
    qint32 first = 0;
    for (qint32 i = 0; i <= ProjectCount; ++i)
        first = std::min<qint32>(first, Projects[size_t(i)]->DaysToGo);
    return first;
}

qint32 LastDay()
{
    qint32 last = -32676;
    for (qint32 i = 0; i <= ProjectCount; ++i)
        last = std::max<qint32>(last, Projects[size_t(i)]->DaysToGo);
    return last;
}

void DisplayList()
{
    SortList();
    const Area area = FreeArea();
    MenuButF* bar = MenuButF::Get();
    if (ViewMode == 0)
        ColumnView(area, bar);
    else
        TimeLineView(area, bar);
}

void CheckDate()
{
    if (DayNumberOf(platform::CurrentDate()) != TodayInt && !QApplication::activeModalWidget())
        DisplayList();
}

} // namespace MainM
