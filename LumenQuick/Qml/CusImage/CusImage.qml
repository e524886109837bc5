import QtQuick 2.9
import LumenQuick 1.0

// Pictures may be drawn larger than they are shown, so that they stay sharp when the scene is scaled up;
// mipmapping keeps them smooth when they are shown smaller (from the second frame on, see CusConfig).
Image {
    smooth: true
    mipmap: CusConfig.mipmapPictures
}
