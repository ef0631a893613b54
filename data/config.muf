; Display and build settings. The game only reads this file; the window/full-screen
; choice the player makes is kept in the per-user profile store.
[pref]
SCREEN_WIDTH = 1024
SCREEN_HEIGHT = 768
ColorDepth = 32

[config]
IsWindowed = 1
SafeMode = 0
build = Amplivance 0.1
