// fileops/scoped.h: ScopedLock, ScopedFile and CurrentDirScope: what a function holds while it runs, given back on every way out.
#ifndef FILEOPS_SCOPED_H
#define FILEOPS_SCOPED_H

#include <proto/dos.h>

#include <utility>

// A lock owned by one scope. UnLock at the end, unless Release() handed it on.
class ScopedLock {
public:
    ScopedLock() = default;
    explicit ScopedLock(BPTR lock) : lock_(lock) {}
    ScopedLock(const ScopedLock &) = delete;
    ScopedLock &operator=(const ScopedLock &) = delete;
    ScopedLock(ScopedLock &&other) noexcept : lock_(std::exchange(other.lock_, 0)) {}
    ScopedLock &operator=(ScopedLock &&other) noexcept
    {
        if (this != &other) {
            Reset();
            lock_ = std::exchange(other.lock_, 0);
        }
        return *this;
    }
    ~ScopedLock() { Reset(); }

    BPTR Get() const { return lock_; }
    explicit operator bool() const { return lock_ != 0; }
    BPTR Release() { return std::exchange(lock_, 0); }
    void Reset(BPTR lock = 0)
    {
        if (lock_ != 0)
            UnLock(lock_);
        lock_ = lock;
    }

private:
    BPTR lock_ = 0;
};

// A file handle owned by one scope. Close at the end; a caller that needs
// to know whether the close wrote everything calls Close() itself.
class ScopedFile {
public:
    ScopedFile() = default;
    explicit ScopedFile(BPTR file) : file_(file) {}
    ScopedFile(const ScopedFile &) = delete;
    ScopedFile &operator=(const ScopedFile &) = delete;
    ScopedFile(ScopedFile &&other) noexcept : file_(std::exchange(other.file_, 0)) {}
    ScopedFile &operator=(ScopedFile &&other) noexcept
    {
        if (this != &other) {
            (void)Close();
            file_ = std::exchange(other.file_, 0);
        }
        return *this;
    }
    ~ScopedFile() { (void)Close(); }

    BPTR Get() const { return file_; }
    explicit operator bool() const { return file_ != 0; }

    // Closes now. FALSE (IoErr set) when the close failed; TRUE when
    // nothing was open.
    [[nodiscard]] BOOL Close()
    {
        BPTR file = std::exchange(file_, 0);
        return file != 0 ? ::Close(file) : TRUE;
    }

private:
    BPTR file_ = 0;
};

// Makes `lock` the current directory for one scope; the previous one comes
// back at its end. The lock stays the caller's.
class CurrentDirScope {
public:
    explicit CurrentDirScope(BPTR lock) : previous_(CurrentDir(lock)) {}
    CurrentDirScope(const CurrentDirScope &) = delete;
    CurrentDirScope &operator=(const CurrentDirScope &) = delete;
    ~CurrentDirScope() { CurrentDir(previous_); }

private:
    BPTR previous_;
};

#endif /* FILEOPS_SCOPED_H */
