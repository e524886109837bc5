# One application id for the desktop entry, the icons, the AppStream data and the running window: the
# product's own domain (velora-audio.example) reversed.
set(VELORA_APP_ID example.velora_audio.Velora)
