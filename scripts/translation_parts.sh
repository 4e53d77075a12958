# The interface's catalogues and the source folders each is made from; read by
# scripts/update-translations and by the test that every text has its English.
TRANSLATION_PARTS=(shell dialogs)
translation_sources() {
  case "$1" in
    shell) echo "src/ui/shell src/ui/i18n src/ui/main.cpp" ;;
    dialogs) echo "src/ui/dialogs" ;;
  esac
}
