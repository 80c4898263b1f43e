// Prints the file kind the desktop's MIME database gives each file named on
// the command line, as "name: type", one a line.
#include <QFileInfo>
#include <QMimeDatabase>
#include <cstdio>

int main(int argc, char** argv) {
  const QMimeDatabase database;
  for (int i = 1; i < argc; ++i) {
    const QString path = QString::fromLocal8Bit(argv[i]);
    std::printf("%s: %s\n", qPrintable(QFileInfo(path).fileName()),
                qPrintable(database.mimeTypeForFile(path).name()));
  }
  return 0;
}
