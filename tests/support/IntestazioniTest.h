// SPDX-License-Identifier: GPL-3.0-or-later
// What nearly every test program includes, precompiled once for all of them.
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>
