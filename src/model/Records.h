#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QtGlobal>

#include <memory>

class ProjectF;

// An RGB colour. In every file a colour is one number,
// Red + 256 * Green + 65536 * Blue.
class ColourTriplet
{
public:
    quint8 Red = 0;
    quint8 Green = 0;
    quint8 Blue = 0;

    void SetFromInt(qint32 n);
    qint32 getInt() const;
    QColor getColor() const;
};

// Class codes of a project.
enum ProjectClass : qint16 {
    ClassNormal = 0,
    ClassImportant = 1,
    ClassUrgent = 2,
    ClassComplete = 3,
    ClassDelivered = 4,
};

// Weighting codes besides a percentage of 0 or more.
constexpr qint32 WeightingUnknown = -1; // shown "?"
constexpr qint32 WeightingNone = -2;    // shown as nothing

// One piece of assessed work. Texts are held in stored-text form.
class ProjectDef
{
public:
    QString PName;
    qint16 ID = 0;
    qint32 Weighting = 0;
    qint32 DueDate = 0; // a day number
    QString Subject;    // the SName of its subject, compared ignoring case
    qint16 ClassV = ClassNormal;
    qint16 DaysToGo = 0;
    QString Description;
    QPointer<ProjectF> Form; // the strip showing it since the last rebuild
    // Its line is safely in "Completed.txt"; never stored, so that each run
    // archives a delivered project once.
    bool Archived = false;
};

// A school class that projects belong to.
class SubjectDef
{
public:
    QString SName;
    std::shared_ptr<ColourTriplet> Colour;
    bool Invisible = false; // lasts for this run only
};
