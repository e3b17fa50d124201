#pragma once

#include <QObject>

#include <functional>

namespace classroom {

// Where file work on a class folder runs. A share whose server does not
// answer blocks every call on it for the client's time-out, so in the
// program the work runs on a thread of its own and only its outcome reaches
// the window's thread; tests run it in place, so that every step is exact.
class FolderWork {
public:
    virtual ~FolderWork() = default;
    // Runs job, then done on context's thread; done is dropped when context
    // is gone by then. job must own everything it touches.
    virtual void run(std::function<void()> job, QObject *context, std::function<void()> done) = 0;
};

// Worker threads that the program's end never waits for: a job stuck on a
// dead share must not hang the window's closing.
class ThreadedFolderWork final : public FolderWork {
public:
    void run(std::function<void()> job, QObject *context, std::function<void()> done) override;
};

class InPlaceFolderWork final : public FolderWork {
public:
    void run(std::function<void()> job, QObject *context, std::function<void()> done) override;
};

// The process's choice: threaded unless a test set another.
FolderWork &folderWork();
void setFolderWork(FolderWork *work);

} // namespace classroom
