// A program for the launcher check to start.
int main() {
  return 0;
}
