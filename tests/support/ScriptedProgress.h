#pragma once
// A progress host for unit tests: records every report and stops the work when told.
#include "platform/Progress.h"

#include <vector>

class ScriptedProgress : public platform::ProgressHost {
public:
    ScriptedProgress() { platform::SetProgressHost(this); }
    ~ScriptedProgress() override { platform::SetProgressHost(nullptr); }

    std::vector<QString> Begun;   // the text of every report begun
    std::vector<double> Updates;  // every share reported, across reports
    int CancelAtUpdate = -1;      // the 1-based update that answers "stop"; never when -1
    int Open = 0;                 // reports begun and not yet ended

    std::unique_ptr<platform::ProgressReport> Begin(QWidget*, const QString& text) override
    {
        Begun.push_back(text);
        return std::make_unique<Report>(*this);
    }

private:
    class Report : public platform::ProgressReport {
    public:
        explicit Report(ScriptedProgress& host) : host_(host) { ++host_.Open; }
        ~Report() override { --host_.Open; }
        bool Update(double done) override
        {
            host_.Updates.push_back(done);
            return int(host_.Updates.size()) != host_.CancelAtUpdate;
        }

    private:
        ScriptedProgress& host_;
    };
};
