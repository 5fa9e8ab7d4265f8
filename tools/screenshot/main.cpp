// Saves a picture of the screen, or of a rectangle of it, as PNG:
//   screenshot FILE [X Y WIDTH HEIGHT]
// Used to show what the program looks like where there is no display to
// look at (a virtual X server).
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2 && argc != 6)
    {
        std::fprintf(stderr, "usage: screenshot FILE [X Y WIDTH HEIGHT]\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap shot = argc == 6 ? screen->grabWindow(0, atoi(argv[2]), atoi(argv[3]),
                                                        atoi(argv[4]), atoi(argv[5]))
                                   : screen->grabWindow(0);
    return shot.save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
