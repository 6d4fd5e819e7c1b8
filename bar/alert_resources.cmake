# The pictures of the athan and reminder windows, made by tools/assets/make_pictures.sh.
qt_add_resources(salvenor_bar "alert_pictures" PREFIX "/alerts"
    BASE "${CMAKE_SOURCE_DIR}/resources/alerts"
    FILES "${CMAKE_SOURCE_DIR}/resources/alerts/mosque_sunset.png"
          "${CMAKE_SOURCE_DIR}/resources/alerts/reminder_sunset.png"
          "${CMAKE_SOURCE_DIR}/resources/alerts/reminder_verses.png")
