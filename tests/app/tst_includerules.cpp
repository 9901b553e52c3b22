#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The source folders depend only downwards: the operating system's layer and the INI store at
// the bottom, the process-wide state and the main window's form above them, the subsystems on
// top of those, and only the files directly in app/ tie several subsystems together.
class TestIncludeRules : public QObject {
    Q_OBJECT

private:
    static QString layerOf(const QString &path)
    {
        const QStringList parts = path.split(QLatin1Char('/'));
        if (parts.size() >= 3 && parts[0] == QLatin1String("app"))
            return parts[0] + QLatin1Char('/') + parts[1];
        return parts.size() >= 2 ? parts[0] : QStringLiteral("app");
    }

    static QStringList allowedBelow(const QString &layer)
    {
        const QStringList shared{"platform", "ini", "app/state", "app/form"};
        if (layer == QLatin1String("platform"))
            return {"platform"};
        if (layer == QLatin1String("ini"))
            return {"platform", "ini"};
        if (layer == QLatin1String("app/state"))
            return {"platform", "ini", "app/state"};
        if (layer == QLatin1String("app/form"))
            return {"platform", "ini", "app/state", "app/form"};
        if (layer == QLatin1String("setfiles"))
            return shared + QStringList{"setfiles", "mods"};
        if (layer == QLatin1String("app"))
            return {};
        return shared + QStringList{layer};
    }

    static QStringList violations(const QString &sourceRoot)
    {
        static const QRegularExpression include(
            QStringLiteral("^\\s*#\\s*include\\s+\"([^\"]+)\""));
        QStringList found;
        QDirIterator files(sourceRoot, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString file = files.next();
            const QString relative = QDir(sourceRoot).relativeFilePath(file);
            const QString layer = layerOf(relative);
            const QStringList allowed = allowedBelow(layer);
            QFile source(file);
            if (!source.open(QIODevice::ReadOnly)) {
                found << relative + QStringLiteral(": cannot be read");
                continue;
            }
            int lineNumber = 0;
            while (!source.atEnd()) {
                const QString line = QString::fromUtf8(source.readLine()).trimmed();
                ++lineNumber;
                const QRegularExpressionMatch match = include.match(line);
                if (!match.hasMatch() || !match.captured(1).contains(QLatin1Char('/')))
                    continue;
                const QString target = layerOf(match.captured(1));
                if (layer == QLatin1String("app") || allowed.contains(target))
                    continue;
                found << QStringLiteral("%1:%2: %3").arg(relative).arg(lineNumber).arg(line);
            }
        }
        return found;
    }

private slots:
    void everyIncludeGoesDownwards()
    {
        const QStringList found = violations(QStringLiteral(VMM_SOURCE_ROOT));
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("Includes against the layers:\n") +
                                             found.join(QLatin1Char('\n'))));
    }

    void aDependencyUpwardsIsFound_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("includeLine");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("platform on app state") << "platform/X.cpp"
                                               << "app/state/AppState.h" << false;
        QTest::newRow("ini on mods") << "ini/X.cpp"
                                     << "mods/ModLists.h" << false;
        QTest::newRow("state on form") << "app/state/X.h"
                                       << "app/form/MainWindowForm.h" << false;
        QTest::newRow("form on state") << "app/form/X.h"
                                       << "app/state/AppState.h" << true;
        QTest::newRow("mods on setfiles") << "mods/X.cpp"
                                          << "setfiles/SetFileList.h" << false;
        QTest::newRow("setfiles on mods") << "setfiles/X.cpp"
                                          << "mods/ModLists.h" << true;
        QTest::newRow("config on locations") << "config/X.cpp"
                                             << "locations/OptionsDialog.h" << false;
        QTest::newRow("mods on the window") << "mods/X.cpp"
                                            << "app/MainWindow.h" << false;
        QTest::newRow("the window on everything") << "app/X.cpp"
                                                  << "config/GameConfigEditor.h" << true;
    }

    void aDependencyUpwardsIsFound()
    {
        QFETCH(QString, file);
        QFETCH(QString, includeLine);
        QFETCH(bool, allowed);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QVERIFY(QDir(root.path()).mkpath(QFileInfo(file).path()));
        QFile source(root.filePath(file));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("#include <QString>\n#include \"" + includeLine.toUtf8() + "\"\n");
        source.close();
        const QStringList found = violations(root.path());
        QCOMPARE(found.isEmpty(), allowed);
        if (!allowed)
            QCOMPARE(found, QStringList{file + ":2: #include \"" + includeLine + "\""});
    }
};

QTEST_GUILESS_MAIN(TestIncludeRules)
#include "tst_includerules.moc"
