#include <QCoreApplication>
#include <QFont>

// The components ask for "Microsoft YaHei", which only Windows carries. Elsewhere a family of the same
// kind stands in for it, so Chinese texts never show as boxes and Latin and Chinese glyphs match.
// Substitutes only apply when the family itself is missing, so where it exists nothing changes.
static void registerYaHeiStandIns()
{
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"),
                               { QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC"),
                                 QStringLiteral("Source Han Sans SC"), QStringLiteral("Droid Sans Fallback") });
}
Q_COREAPP_STARTUP_FUNCTION(registerYaHeiStandIns)
