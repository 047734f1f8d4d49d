// Main window tests follow.
