import QtQuick 2.9

// Pictures may be drawn larger than they are shown, so that they stay sharp when the scene is scaled up;
// mipmapping keeps them smooth when they are shown smaller.
Image {
    smooth: true
    mipmap: true
}
