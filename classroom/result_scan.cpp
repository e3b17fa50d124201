#include "result_scan.h"

#include "result_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

using namespace Qt::Literals::StringLiterals;

namespace classroom {

namespace {

bool canOpenFolder(const QString &path)
{
#ifdef Q_OS_UNIX
    DIR *folder = ::opendir(QFile::encodeName(path).constData());
    if (!folder)
        return false;
    ::closedir(folder);
#else
    Q_UNUSED(path);
#endif
    return true;
}

bool hasResultSuffix(const QString &name)
{
    return name.endsWith(QString::fromUtf16(kResultSuffix), Qt::CaseInsensitive);
}

class Scanner {
public:
    explicit Scanner(int maxFiles) : maxFiles_(maxFiles) {}

    void place(const QString &path)
    {
        // The teacher's own link is followed once, to where it points.
        const QFileInfo chosen(path);
        const QString real = chosen.canonicalFilePath();
        if (real.isEmpty())
            return refuse(QDir::cleanPath(chosen.absoluteFilePath()), ScanProblem::Missing);
        const QFileInfo info(real);
        if (info.isDir()) {
            const QFileInfo results(QDir(real).filePath(QString::fromUtf16(kResultsFolderName)));
            if (results.isSymLink())
                refuse(results.absoluteFilePath(), ScanProblem::Link);
            else if (results.isDir())
                folder(results.absoluteFilePath());
            folder(real);
        } else if (!info.isFile()) {
            refuse(real, ScanProblem::NotRegular);
        } else if (!hasResultSuffix(info.fileName())) {
            refuse(real, ScanProblem::NotResultFile);
        } else if (!seen_.contains(real)) {
            if (++entries_ > maxFiles_)
                refuse(real, ScanProblem::TooMany);
            else
                add(info);
        }
    }

    ResultScan finish()
    {
        std::sort(scan_.files.begin(), scan_.files.end(),
            [](const FoundResultFile &a, const FoundResultFile &b) { return a.path < b.path; });
        return std::move(scan_);
    }

private:
    void folder(const QString &path)
    {
        if (folders_.contains(path))
            return;
        folders_.insert(path);
        // An empty listing and one that failed look alike to QDirIterator:
        // a share whose server is down still answers stat from its cache,
        // but cannot open the folder.
        if (!QDir(path).isReadable() || !canOpenFolder(path))
            return refuse(path, ScanProblem::Unreadable);
        QDirIterator it(path, QDir::Files | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            it.next();
            const QFileInfo entry = it.fileInfo();
            if (!hasResultSuffix(entry.fileName()) || seen_.contains(entry.absoluteFilePath()))
                continue;
            // Links and pipes count too: a folder full of them must not stall the scan.
            if (++entries_ > maxFiles_)
                return refuse(path, ScanProblem::TooMany);
            if (entry.isSymLink())
                refuse(entry.absoluteFilePath(), ScanProblem::Link);
            else if (!entry.isFile())
                refuse(entry.absoluteFilePath(), ScanProblem::NotRegular);
            else
                add(entry);
        }
    }

    void add(const QFileInfo &file)
    {
        const QString path = file.absoluteFilePath();
        seen_.insert(path);
        scan_.files.push_back({path, file.size(), file.lastModified()});
    }

    void refuse(const QString &path, ScanProblem problem) { scan_.refused.push_back({path, problem}); }

    const int maxFiles_;
    int entries_ = 0;
    ResultScan scan_;
    QSet<QString> seen_, folders_;
};

} // namespace

ResultScan scanResultPlaces(const QStringList &places, int maxFiles)
{
    Scanner scanner(maxFiles);
    for (const QString &place : places)
        scanner.place(place);
    return scanner.finish();
}

} // namespace classroom
