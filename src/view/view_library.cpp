// Anchor of the view library; the view code lives beside it.
