#include "ui/weblink/web.h"

web::web(QWidget* parent) : QWidget(parent) {}
