#pragma once
// A triangle command's working: the command fills its record as it computes,
// and whether it finishes or a fault ends it, the section is built from the
// record as it then stands and added to the working window.
#include "working/FormWorking.h"

#include <QScopeGuard>

template <class Record, class Build, class Steps>
void RecordTriangleWorking(Record& record, Build build, Steps&& steps)
{
    TWorkingSection section;
    RecordWorking(section, [&] {
        // Runs also while a fault unwinds, before RecordWorking adds the reason;
        // building a section never fails.
        const auto rebuild = qScopeGuard([&] { section = build(record); });
        steps();
    });
}
