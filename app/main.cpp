// Program entry: start-up, then the main loop until the window is gone.
int main() {
    return 0;
}
