// Saves one kind of file over and over through the tool's own code, alternating between two
// new contents, until it is killed: the test kills it at random moments and looks at what is
// left. Usage: reliability_saver options|setfile|config PATH

#include "SaveVariants.h"

#include <QDeadlineTimer>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    savevariants::Kind kind;
    if (argc != 3 || !savevariants::kindFromName(QString::fromLocal8Bit(argv[1]), &kind)) {
        std::fprintf(stderr, "usage: reliability_saver options|setfile|config PATH\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[2]);
    // Ends by itself should the test that was to kill it be gone.
    const QDeadlineTimer giveUp(60 * 1000);
    for (int round = 0; !giveUp.hasExpired(); ++round) {
        if (!savevariants::save(kind, path, round % 2)) {
            std::fprintf(stderr, "save failed\n");
            return 1;
        }
    }
    return 0;
}
