#pragma once

class QApplication;

// The program's names and its fixed look (AppLook.h). Tests call it too, so they see what the
// user sees.
void setUpApplication(QApplication &app);
