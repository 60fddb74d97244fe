// JSON dump of the window state.
