#include "mainwidget.h"

MainWidget::MainWidget(QWidget *parent) : QWidget(parent) {}
