// Compares the store with a plain line-by-line model of the INI rules over many random
// files and edits, so lookups that take shortcuts can never answer differently.

#include "TestAppFolder.h"

#include "ini/IniFile.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {
struct ModelLine {
    QString text;
    bool header;
    bool entry;
};

class Model {
public:
    explicit Model(const IniFile &ini)
    {
        for (const IniLine &line : ini.allLines())
            lines.append(
                {line.text, line.kind == IniLine::LineSection, line.kind == IniLine::LineEntry});
    }

    QString value(const QString &section, const QString &key, int *status) const
    {
        const int header = find(section);
        if (header < 0) {
            *status = 4;
            return QStringLiteral("ERROR");
        }
        for (int i = header + 1; i < lines.size() && !lines.at(i).header; ++i) {
            if (lines.at(i).entry && lines.at(i).text.startsWith(key + QLatin1Char('=')))
                return *status = 0, lines.at(i).text.mid(key.size() + 1);
        }
        *status = 5;
        return QStringLiteral("ERROR");
    }

    void setValue(const QString &section, const QString &key, const QString &value)
    {
        const ModelLine entry{key + QLatin1Char('=') + value, false, true};
        const int header = find(section);
        if (header < 0) {
            lines.append({QLatin1Char('[') + section + QLatin1Char(']'), true, false});
            lines.append(entry);
            return;
        }
        for (int i = header + 1; i < lines.size(); ++i) {
            if (lines.at(i).header) {
                lines.insert(i, entry);
                return;
            }
            if (lines.at(i).entry && lines.at(i).text.startsWith(key + QLatin1Char('='))) {
                lines[i].text = entry.text;
                return;
            }
        }
        lines.append(entry);
    }

    QStringList texts() const
    {
        QStringList result;
        for (const ModelLine &line : lines)
            result << line.text;
        return result;
    }

private:
    int find(const QString &section) const
    {
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).header &&
                lines.at(i).text.startsWith(QLatin1Char('[') + section + QLatin1Char(']')))
                return i;
        }
        return -1;
    }

    QVector<ModelLine> lines;
};

// Few distinct names, so that duplicates, prefixes and delimiters inside names are common.
const QStringList sectionNames{"S", "T", "S]x", "", "s", "S ", "Sx"};
const QStringList keyNames{"K", "Key", "K=a", "", "k", "K2", "Key=1=2"};

QString pick(QRandomGenerator &random, const QStringList &from)
{
    return from.at(int(random.bounded(from.size())));
}

QByteArray randomFile(QRandomGenerator &random)
{
    QByteArray content;
    const int lineCount = int(random.bounded(30));
    for (int i = 0; i < lineCount; ++i) {
        switch (random.bounded(6)) {
        case 0:
            content += "[" + pick(random, sectionNames).toUtf8() + "]";
            if (random.bounded(3) == 0)
                content += " trailing ]";
            break;
        case 1:
            content += "; comment";
            break;
        case 2:
            break;
        case 3:
            content += pick(random, keyNames).toUtf8() + " = spaced";
            break;
        default:
            content += pick(random, keyNames).toUtf8() + "=" + QByteArray::number(i);
        }
        content += '\n';
    }
    return content;
}
} // namespace

class IniFileModelTest : public QObject {
    Q_OBJECT

private slots:
    void answersLikeThePlainScan();
};

void IniFileModelTest::answersLikeThePlainScan()
{
    QRandomGenerator random(20261207);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("model.ini"));
    for (int round = 0; round < 400; ++round) {
        TestAppFolder::writeFile(path, randomFile(random));
        IniFile ini(path);
        Model model(ini);
        for (int step = 0; step < 40; ++step) {
            const QString section = pick(random, sectionNames);
            const QString key = pick(random, keyNames);
            if (random.bounded(3) == 0) {
                const QString value = QString::number(step);
                ini.setValue(section, key, value);
                model.setValue(section, key, value);
                continue;
            }
            int expectedStatus = -1;
            const QString expected = model.value(section, key, &expectedStatus);
            QCOMPARE(ini.value(section, key, QStringLiteral("ERROR")), expected);
            QCOMPARE(ini.status(), expectedStatus);
        }
        QStringList actual;
        for (const IniLine &line : ini.allLines())
            actual << line.text;
        QCOMPARE(actual, model.texts());
    }
}

QTEST_GUILESS_MAIN(IniFileModelTest)
#include "tst_inifile_model.moc"
