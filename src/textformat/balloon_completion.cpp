// Filled in by the balloon group.
