.pragma library

// The name the scene shows for each model the program knows; an unknown model has none.
var names = { "zq05": "Velora Stagemate Arlo", "zq06": "Velora Stagemate Brio" }

function displayName(devType) {
    return names.hasOwnProperty(devType) ? names[devType] : ""
}
