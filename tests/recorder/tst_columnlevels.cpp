#include "recorder/columnlevels.h"

#include <QtTest>

class TestColumnLevels : public QObject
{
    Q_OBJECT
private slots:
    void mergesBuffersOfAColumn();
};

void TestColumnLevels::mergesBuffersOfAColumn()
{
    ColumnLevels column;
    QCOMPARE(column.take(), QVector<qreal>());

    // Per channel the largest maximum and the smallest minimum, whichever buffer brought them.
    column.merge({0.5, -0.1, 0.2, -0.2});
    column.merge({0.3, -0.4, 0.6, -0.1});
    column.merge({});
    QCOMPARE(column.take(), (QVector<qreal>{0.5, -0.4, 0.6, -0.2}));

    // The next column starts afresh, and a buffer of more channels widens it.
    column.merge({0.1, 0.05});
    column.merge({0.0, -0.3, 0.7, 0.2});
    QCOMPARE(column.take(), (QVector<qreal>{0.1, -0.3, 0.7, 0.2}));

    // Levels past full scale (a buffer whose minimum was never met) stay as they came.
    column.merge({0.2, 65538.0});
    column.merge({0.4, 0.3});
    QCOMPARE(column.take(), (QVector<qreal>{0.4, 0.3}));
}

QTEST_GUILESS_MAIN(TestColumnLevels)
#include "tst_columnlevels.moc"
