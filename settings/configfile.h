#ifndef CONFIGFILE_H
#define CONFIGFILE_H

#include <QObject>
#include <QString>
#include <QVariantList>

// The user's settings that are not on the card: the band values of the four equalizer styles and
// numbered custom texts in "setting.ini", and a language value in the native store. Every slot opens
// the file or key, does its one read or write and closes it again, so a change is on disk when the
// slot returns. The program uses the one instance(); the constructor is public for tests, which
// need a fresh store to check what survives a restart.
class ConfigFile : public QObject
{
    Q_OBJECT
public:
    static ConfigFile *instance();

    explicit ConfigFile(QObject *parent = nullptr);

public slots:
    QString getLanguage();
    void setLanguage(const QString &language);

    // A style index outside 0..3 or a band index outside 0..4 names nothing: the write is dropped.
    void saveEqualizerConfig(int groupIndex, int sliderIndex, int value);
    // The five bands of a style, saved values mixed band by band with the built-in ones; a style
    // index outside 0..3 gives five zeros.
    QVariantList getEqualizerConfig(int styleIndex);
    // Removes only a style's own group; other indexes remove nothing.
    void removeEqualizerConfig(int groupIndex);

    void setCustomText(int index, const QString &text);
    QString getCustomText(int index);

private:
    QString m_fileName;
};

#endif
