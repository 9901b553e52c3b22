#include "platform/ListingPatch.h"

#include <QtTest>

using Rows = QVector<int>;

class ListingPatchTest : public QObject {
    Q_OBJECT

private slots:
    void patchKeepsStayingRowsAndPlacesNewNames_data();
    void patchKeepsStayingRowsAndPlacesNewNames();
};

void ListingPatchTest::patchKeepsStayingRowsAndPlacesNewNames_data()
{
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<Rows>("previousRows");
    QTest::addColumn<int>("removed");

    const QStringList abc{"a.zip", "b.zip", "c.zip"};
    QTest::newRow("same listing") << abc << abc << abc << Rows{0, 1, 2} << 0;
    QTest::newRow("new in between, case ignored")
        << abc << QStringList{"a.zip", "B.zip", "b.zip", "Bb.zip", "c.zip"}
        << QStringList{"a.zip", "b.zip", "B.zip", "Bb.zip", "c.zip"} << Rows{0, 1, -1, -1, 2} << 0;
    QTest::newRow("new of the same key as the last row")
        << QStringList{"a.zip", "b.zip"} << QStringList{"a.zip", "B.zip", "b.zip"}
        << QStringList{"a.zip", "b.zip", "B.zip"} << Rows{0, 1, -1} << 0;
    QTest::newRow("another folder altogether")
        << abc << QStringList{"x.zip", "y.zip"} << QStringList{"x.zip", "y.zip"} << Rows{-1, -1}
        << 3;
    QTest::newRow("nothing listed any more")
        << abc << QStringList{} << QStringList{} << Rows{} << 3;
    // Letters beyond ASCII are ordered by their lower case like the others.
    QTest::newRow("beyond ASCII") << QStringList{"Äb.zip", "äd.zip"}
                                  << QStringList{"äa.zip", "Äb.zip", "ÄC.zip", "äd.zip"}
                                  << QStringList{"äa.zip", "Äb.zip", "ÄC.zip", "äd.zip"}
                                  << Rows{-1, 0, -1, 1} << 0;
    // A name shown twice (only a list changed by hand holds one) stays twice; the listing's
    // names come in each once.
    QTest::newRow("name shown twice")
        << QStringList{"a.zip", "a.zip", "c.zip"} << QStringList{"a.zip", "b.zip"}
        << QStringList{"a.zip", "a.zip", "b.zip"} << Rows{0, 1, -1} << 1;
    // Rows that stay keep their order even where the new listing orders them otherwise; only
    // the new names follow the listing.
    QTest::newRow("staying rows keep their order")
        << QStringList{"c.zip", "a.zip"} << QStringList{"a.zip", "b.zip", "c.zip"}
        << QStringList{"b.zip", "c.zip", "a.zip"} << Rows{-1, 0, 1} << 0;
}

void ListingPatchTest::patchKeepsStayingRowsAndPlacesNewNames()
{
    QFETCH(QStringList, shown);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, names);
    QFETCH(Rows, previousRows);
    QFETCH(int, removed);

    const ListingPatch patch = patchListing(shown, listed);

    QCOMPARE(patch.names, names);
    QCOMPARE(patch.previousRows, previousRows);
    QCOMPARE(patch.removedCount, removed);
    QCOMPARE(patch.addedCount, int(previousRows.count(-1)));
    QCOMPARE(patch.changesNothing(), shown == names);
}

QTEST_APPLESS_MAIN(ListingPatchTest)
#include "tst_listingpatch.moc"
