// Text writer.
