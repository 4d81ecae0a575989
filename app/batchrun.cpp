#include "app/batchrun.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <condition_variable>
#include <deque>
#include <dirent.h>
#include <memory>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "app/filecombiner.h"
#include "app/resultfile.h"
#include "app/workimagecache.h"
#include "platform/runtime/exception.h"
#include "utils/paths.h"

namespace varnova {

// ---------------------------------------------------------------------------------------------
// Pieces

QStringList BuildFileList(const QString& sourceDir) {
    QStringList names;
    if (sourceDir.isEmpty())
        return names;
    DIR* dir = ::opendir(QFile::encodeName(sourceDir).constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        // Every entry the wildcard "*.bmp" matches: files, folders, hidden entries, links.
        if (name.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive))
            names.append(name);
    }
    ::closedir(dir);
    SortFileNames(names);
    return names;
}

void SortFileNames(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        if (folded != 0)
            return folded < 0;
        return a < b;
    });
}

bool SameTextAsciiCase(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= u'A' && x <= u'Z')
            x = char16_t(x + 32);
        if (y >= u'A' && y <= u'Z')
            y = char16_t(y + 32);
        if (x != y)
            return false;
    }
    return true;
}

bool SameFolder(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty())
        return false;
    struct stat sa {};
    struct stat sb {};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return S_ISDIR(sa.st_mode) && S_ISDIR(sb.st_mode) && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

int CheckSettings(const TBatchSettings& settings) {
    if (settings.SourceDir.isEmpty() || settings.ResultDir.isEmpty())
        return mtSelectFolders;
    if (settings.WorkImagePath.isEmpty())
        return mtSelectWorkImage;
    // The texts compared are the full paths (never shortened display forms), and the same
    // folder reached by another spelling is refused too: results would replace their sources.
    const QString source = vexo::NormalDir(settings.SourceDir);
    const QString result = vexo::NormalDir(settings.ResultDir);
    if (SameTextAsciiCase(source, result) || SameFolder(source, result))
        return mtSameFolders;
    return -1;
}

namespace {

// Where the working picture lives as directory entries: the entry its path names (its folder
// resolved) and the file that entry finally leads to. Replacing either changes what later
// files load as the working picture.
struct TWorkImageEntries {
    QString Named;
    QString Target;
};

TWorkImageEntries WorkImageEntriesOf(const QString& workImagePath) {
    TWorkImageEntries e;
    const QFileInfo info(workImagePath);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (!folder.isEmpty())
        e.Named = vexo::NormalDir(folder) + info.fileName();
    e.Target = info.canonicalFilePath();
    return e;
}

QString CanonicalFolder(const QString& folder) {
    const QString c = QFileInfo(folder).canonicalFilePath();
    return c.isEmpty() ? c : vexo::NormalDir(c);
}

// Remembers the resolved entries of the last settings seen, so the per-file check is a
// string comparison unless the paths change.
class TReplaceGuard {
public:
    bool WouldReplace(const TBatchSettings& s, const QString& name) {
        if (!valid_ || s.WorkImagePath != workPath_ || s.ResultDir != resultDir_) {
            workPath_ = s.WorkImagePath;
            resultDir_ = s.ResultDir;
            entries_ = WorkImageEntriesOf(workPath_);
            resultFolder_ = CanonicalFolder(resultDir_);
            valid_ = true;
        }
        if (resultFolder_.isEmpty())
            return false;
        const QString target = resultFolder_ + name;
        return target == entries_.Named || target == entries_.Target;
    }

private:
    bool valid_ = false;
    QString workPath_;
    QString resultDir_;
    TWorkImageEntries entries_;
    QString resultFolder_;
};

QString ErrorText(const std::exception& e) {
    if (const auto* ve = dynamic_cast<const vexo::Exception*>(&e))
        return ve->Message();
    if (dynamic_cast<const std::bad_alloc*>(&e) != nullptr)
        return QStringLiteral("Out of memory");
    return QString::fromLocal8Bit(e.what());
}

// One file in flight: what it was given and what came out.
struct TTask {
    int Index = 0;
    QString Name;
    TBatchSettings Settings;
    bool Cancelled = false;
    bool Done = false;
    TResultFile Result;
    QString Error; // set when it failed
    bool Failed = false;
};

void Execute(TTask& task, TFileCombiner& combiner, TReplaceGuard& guard) {
    try {
        if (guard.WouldReplace(task.Settings, task.Name))
            throw vexo::Exception(MainText(task.Settings.LangIndex, WorkImageOverwriteEntry));
        task.Result = combiner.Combine(task.Settings, task.Name);
    } catch (const std::exception& e) {
        task.Error = ErrorText(e);
        task.Failed = true;
    }
}

// Worker threads that prepare tasks (load, combine, write the temporary result). Results are
// committed by the run's own thread in list order.
class TWorkerPool {
public:
    TWorkerPool(int jobs, TWorkImageCache& cache) {
        for (int i = 0; i < jobs; ++i)
            threads_.emplace_back([this, &cache] { Work(cache); });
    }

    ~TWorkerPool() {
        {
            std::lock_guard lock(mutex_);
            quit_ = true;
            for (const auto& t : queue_) {
                t->Cancelled = true;
                t->Done = true;
            }
            queue_.clear();
        }
        work_.notify_all();
        for (auto& t : threads_)
            t.join();
    }

    void Submit(std::shared_ptr<TTask> task) {
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(std::move(task));
        }
        work_.notify_one();
    }

    void Wait(TTask& task) {
        std::unique_lock lock(mutex_);
        done_.wait(lock, [&] { return task.Done; });
    }

    // Tasks not yet started are dropped; running ones finish.
    void CancelPending() {
        std::lock_guard lock(mutex_);
        for (const auto& t : queue_) {
            t->Cancelled = true;
            t->Done = true;
        }
        queue_.clear();
    }

private:
    void Work(TWorkImageCache& cache) {
        TFileCombiner combiner(cache);
        TReplaceGuard guard;
        std::unique_lock lock(mutex_);
        for (;;) {
            work_.wait(lock, [&] { return quit_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            std::shared_ptr<TTask> task = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            Execute(*task, combiner, guard);
            lock.lock();
            task->Done = true;
            done_.notify_all();
        }
    }

    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable done_;
    std::deque<std::shared_ptr<TTask>> queue_;
    bool quit_ = false;
    std::vector<std::thread> threads_;
};

} // namespace

bool WouldReplaceWorkImage(const QString& workImagePath, const QString& resultDir,
                           const QString& name) {
    TReplaceGuard guard;
    TBatchSettings s;
    s.WorkImagePath = workImagePath;
    s.ResultDir = resultDir;
    return guard.WouldReplace(s, name);
}

// ---------------------------------------------------------------------------------------------
// The run

TBatchRun::TBatchRun() = default;
TBatchRun::~TBatchRun() = default;

TBatchResult TBatchRun::Run() {
    stop_.store(false, std::memory_order_relaxed);
    TBatchResult result;
    const TBatchSettings first = Settings();

    const int refusal = CheckSettings(first);
    if (refusal >= 0) {
        result.Outcome = boRefused;
        result.Entry = refusal;
        result.Message = MainText(first.LangIndex, refusal);
        return result;
    }

    const QStringList names = BuildFileList(vexo::NormalDir(first.SourceDir));
    const int count = int(names.size());
    {
        TReplaceGuard guard;
        for (const QString& name : names) {
            if (guard.WouldReplace(first, name)) {
                result.Outcome = boRefused;
                result.Entry = WorkImageOverwriteEntry;
                result.Message = MainText(first.LangIndex, WorkImageOverwriteEntry);
                return result;
            }
        }
    }
    result.FileCount = count;
    if (count == 0 && OnMessage)
        OnMessage(TBatchMessage{mtSourceEmpty, MainText(first.LangIndex, mtSourceEmpty)});
    if (OnStart)
        OnStart(count);

    TWorkImageCache cache;
    const int jobs = std::max(1, Jobs);
    // A few files ahead per worker keep every core busy while this thread commits.
    const int window = jobs == 1 ? 1 : 2 * jobs;
    std::unique_ptr<TWorkerPool> pool;
    if (jobs > 1)
        pool = std::make_unique<TWorkerPool>(jobs, cache);
    TFileCombiner combiner(cache);
    TReplaceGuard guard;
    std::deque<std::shared_ptr<TTask>> inFlight;
    int next = 0;

    const auto finish = [&](TBatchOutcome outcome) {
        if (pool) {
            pool->CancelPending();
            for (const auto& t : inFlight)
                pool->Wait(*t);
        }
        inFlight.clear(); // discards temporary results not committed
        const int lang = Settings().LangIndex;
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

    for (int i = 0; i < count; ++i) {
        while (next < count && next < i + window) {
            auto task = std::make_shared<TTask>();
            task->Index = next;
            task->Name = names[next];
            task->Settings = Settings();
            inFlight.push_back(task);
            if (pool)
                pool->Submit(task);
            else
                Execute(*task, combiner, guard);
            ++next;
        }
        const std::shared_ptr<TTask> task = inFlight.front();
        if (pool)
            pool->Wait(*task);
        inFlight.pop_front();
        if (!task->Failed) {
            try {
                task->Result.Commit();
            } catch (const std::exception& e) {
                task->Error = ErrorText(e);
                task->Failed = true;
            }
        }
        if (task->Failed) {
            result.Message = task->Error;
            result.FailedName = task->Name;
            return finish(boFailed);
        }
        result.Processed = i + 1;
        if (OnFileDone)
            OnFileDone(i, count - i);
        if (ProcessEvents)
            ProcessEvents();
        if (stop_.load(std::memory_order_relaxed) || (StopRequested && StopRequested()))
            return finish(boStopped);
    }
    return finish(boCompleted);
}

} // namespace varnova
