#include "app/batchrun.h"

#include <memory>

#include "app/filecombiner.h"
#include "app/orderedpipeline.h"
#include "app/resultfile.h"
#include "app/workimagecache.h"

namespace varnova {

namespace {

// One file in flight: what it was given and what came out.
struct TFileTask {
    int Index = 0;
    QString Name;
    TBatchSettings Settings; // normalised
    TResultFile Result;      // the temporary result, until committed
    TBatchError Error;       // Kind ekNone while all is well
};

// The per-file step of one thread: its own combiner and replace guard.
class TFileStep {
public:
    explicit TFileStep(TWorkImageCache& cache) : combiner_(cache) {}

    void operator()(TFileTask& task) {
        if (guard_.WouldReplace(task.Settings, task.Name)) {
            task.Error = {ekWorkImageOverwrite,
                          MainText(task.Settings.LangIndex, WorkImageOverwriteEntry)};
            return;
        }
        try {
            task.Result = combiner_.Combine(task.Settings, task.Name);
        } catch (const std::exception& e) {
            task.Error = TBatchError::Of(e);
        }
    }

private:
    TFileCombiner combiner_;
    TReplaceGuard guard_;
};

} // namespace

TBatchRun::TBatchRun() = default;
TBatchRun::~TBatchRun() = default;

TBatchSettings TBatchRun::ReadSettings() const {
    return Settings().Normalized();
}

TBatchResult TBatchRun::Run() {
    TBatchResult result;
    const TBatchSettings first = ReadSettings();
    const auto refuse = [&](int entry) {
        result.Outcome = boRefused;
        result.Entry = entry;
        result.Message = MainText(first.LangIndex, entry);
        return result;
    };

    const int refusal = CheckNormalizedSettings(first);
    if (refusal >= 0)
        return refuse(refusal);

    const QStringList all = BuildFileList(first.SourceDir);
    {
        // Over the whole list, so that every share refuses as a single run would.
        TReplaceGuard guard;
        for (const QString& name : all)
            if (guard.WouldReplace(first, name))
                return refuse(WorkImageOverwriteEntry);
    }
    const QStringList names = TakeShard(all, Shard);
    const int count = int(names.size());
    result.FileCount = count;
    TResultFile::RemoveDeadTemporaries(first.ResultDir);
    if (all.isEmpty() && OnMessage)
        OnMessage(TBatchMessage{mtSourceEmpty, MainText(first.LangIndex, mtSourceEmpty)});
    if (OnStart)
        OnStart(names);

    TWorkImageCache cache;
    TOrderedPipeline<TFileTask> pipeline(Jobs, [&cache] {
        auto step = std::make_shared<TFileStep>(cache);
        return [step](TFileTask& task) { (*step)(task); };
    });

    const auto finish = [&](TBatchOutcome outcome) {
        pipeline.Cancel(); // temporary results not committed go with their tasks
        const int lang = ReadSettings().LangIndex;
        result.Outcome = outcome;
        if (outcome == boStopped) {
            result.Entry = mtAborted;
            result.Message = MainText(lang, mtAborted);
        } else if (outcome == boCompleted) {
            result.Entry = mtProcessedPrefix;
            result.Message = MainText(lang, mtProcessedPrefix) + QString::number(count);
        } else {
            result.Entry = -1;
        }
        return result;
    };

    int next = 0;
    for (int i = 0; i < count; ++i) {
        while (next < count && pipeline.HasRoom()) {
            pipeline.Push(TFileTask{next, names[next], ReadSettings(), {}, {}});
            ++next;
        }
        TFileTask task = pipeline.Pop();
        if (task.Error.Kind == ekNone) {
            try {
                task.Result.Commit();
            } catch (const std::exception& e) {
                task.Error = TBatchError::Of(e);
            }
        }
        if (task.Error.Kind != ekNone) {
            result.Message = task.Error.Message;
            result.ErrorKind = task.Error.Kind;
            result.FailedName = task.Name;
            result.FailedPath = task.Settings.SourcePath(task.Name);
            return finish(boFailed);
        }
        result.Processed = i + 1;
        if (OnFileDone)
            OnFileDone(i, count - i);
        if (ProcessEvents)
            ProcessEvents();
        if (Stop != nullptr && Stop->Requested())
            return finish(boStopped);
    }
    return finish(boCompleted);
}

} // namespace varnova
