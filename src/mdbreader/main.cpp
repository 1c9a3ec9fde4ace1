// Placeholder: the Access table reader helper.
int main() { return 1; }
