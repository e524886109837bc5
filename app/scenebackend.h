#ifndef SCENEBACKEND_H
#define SCENEBACKEND_H

#include <QString>

// Chooses how the scene is drawn before the first window exists: through OpenGL where the machine
// has a usable OpenGL 2 driver, with Qt Quick's software renderer otherwise (virtual machines, remote
// desktops and wine without OpenGL offer none, or only OpenGL 1.1), so that the window never opens
// empty. A backend named by the user (QT_QUICK_BACKEND) is left alone.
class SceneBackend
{
public:
    // Returns the log line that says what was chosen and why.
    static QString choose();

private:
    // The OpenGL version a context made current on an offscreen surface reports, or an empty text
    // when none can be made.
    static QString openGLVersion(int *major);
};

#endif // SCENEBACKEND_H
