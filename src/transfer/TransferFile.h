#pragma once

#include "model/Records.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The subject transfer file: one subject line, then one line per project,
// in the line forms of the data files. It carries a subject and its projects
// from one data store to another.
namespace MainM {

struct TransferFileType
{
    QString displayName; // "Duetide Subject Transfer"
    QString typeCode;    // "DTXF"
    QString extension;   // "dtxf", without the dot
    QString NameFilter() const;
};
TransferFileType SubjectTransferType();

struct TransferContent
{
    std::shared_ptr<SubjectDef> subject;
    std::vector<std::shared_ptr<ProjectDef>> projects;
};

// A whole file checked before anything is taken from it: the first line must
// be a subject line and every other line that is not blank a project line.
// Either the content, or the number (from 1) of the first line that fails.
struct TransferReading
{
    std::optional<TransferContent> content;
    int badLine = 0;
};
TransferReading ReadTransfer(const QByteArray& bytes);

// The file's text for a subject under `exportName` and its projects.
QByteArray WriteTransfer(const QString& exportName, const ColourTriplet& colour,
                         const std::vector<std::shared_ptr<ProjectDef>>& projects);

// Adds the subject unless one of that name exists, and every project with a
// newly issued ID, at the end of the tables. Saves nothing.
void MergeTransfer(const TransferContent& content);

} // namespace MainM
