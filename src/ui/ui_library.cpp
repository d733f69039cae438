// Anchor of the ui library; the application code lives beside it.
