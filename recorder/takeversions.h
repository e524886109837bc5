#ifndef TAKEVERSIONS_H
#define TAKEVERSIONS_H

#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The cut versions of one take: files beside it named after the take's base name (up to its first
// dot), "_", a running number and the take's suffix, e.g. take_1.wav, take_2.wav for take.wav.
class TakeVersions
{
public:
    explicit TakeVersions(const QString &takePath);

    // The file of the n-th cut of the take.
    QString versionPath(int n) const;
    // The first number from `from` on whose version file does not exist yet (a leftover of an
    // earlier take of the same name, or anyone else's file, is never overwritten).
    int nextFreeNumber(int from) const;
    // Whether a file name (without folder) is one of the take's cut versions.
    bool isVersionName(const QString &fileName) const;
    // The number in the file name of one of the take's versions; -1 for any other name.
    int versionNumber(const QString &fileName) const;
    // Where the take or one of its versions goes when the take is renamed to `newTakePath` (its
    // versions following it); any other path stays as it is.
    QString renamedPath(const QString &path, const QString &newTakePath) const;
    // Whether a path names the take itself or one of its versions, existing or not.
    bool isTakeOrVersion(const QString &path) const;
    // Removes those of `paths` that are the take's cut versions beside it; plain files only, never a
    // file of another name or place. Returns the removed paths.
    QStringList removeVersions(const QStringList &paths) const;

private:
    QString m_folder;
    QString m_takeName;
    QString m_baseName;
    QString m_suffix;
    QRegularExpression m_versionName;
};

#endif // TAKEVERSIONS_H
