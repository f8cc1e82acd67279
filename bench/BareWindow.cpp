// SPDX-License-Identifier: GPL-2.0-or-later
// The floor for start-up: a bare Qt Widgets window with a combo box and a list, built with the
// same Qt and flags as the program. bench/startup.py starts it alternately with the program.

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    auto *const layout = new QVBoxLayout(&window);
    auto *const box = new QComboBox(&window);
    box->setEditable(true);
    layout->addWidget(box);
    layout->addWidget(new QListWidget(&window));
    window.resize(468, 201);
    window.show();
    return QApplication::exec();
}
