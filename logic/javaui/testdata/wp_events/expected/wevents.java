/*
               File: wevents
        Description: Events
             Author: Quenora Java Generator version 619
       Generated on: <when>
       Program type: Callable routine
         Connection: Explicit (dbms)
        Target DBMS: qedbase
   Operating System: Neither specified nor inferred.
 Main access method: qndata
    Use ODBC Access: Yes
*/
import com.quenora.*;
import com.quenora.db.driver.*;
import com.quenora.distributed.*;
import com.quenora.uifactory.*;
import java.sql.*;
public final class wevents extends QNWorkpanel
{
   public wevents(int remoteHandle)
   {
      super(remoteHandle, new ModelContext( wevents.class ));
   }

   public wevents(int remoteHandle, ModelContext context)
   {
      super(remoteHandle, context);
   }

   protected String getFrmTitle() {
      return "Events" ;
   }
   protected QNMenuBar getMenuBar() {
      return Application.getDefaultMenuBar(this) ;
   }
   protected int getFrmTop() {
      return 0 ;
   }
   protected int getFrmLeft() {
      return 0 ;
   }
   protected int getFrmWidth() {
      return 300 ;
   }
   protected int getFrmHeight() {
      return 200 ;
   }
   protected int getFrmBackground() {
      return UIFactory.getColor(255, 255, 255) ;
   }
   protected int getFrmForeground() {
      return UIFactory.getColor(0, 0, 0) ;
   }
   protected boolean isMainProgram() {
      return false ;
   }
   protected boolean isModal() {
      return false ;
   }
   protected boolean hasDBAccess() {
      return false ;
   }
   protected int getRefreshTimeout() {
      return 0 ;
   }
   public boolean getRefreshTimeoutAlways() {
      return true ;
   }
   protected boolean getPaintAfterStart() {
      return true ;
   }
   protected int getBorderStyle() {
      return 2 ;
   }
   protected boolean getMaxButton() {
      return true ;
   }
   protected boolean getMinButton() {
      return true ;
   }
   protected boolean getCtrlBox() {
      return true ;
   }
   protected boolean getShowInTaskbar() {
      return true ;
   }
   protected String getFormIcon() {
      return "" ;
   }
   public void execute( )
   {
      execute_int();
   }

   private void execute_int( )
   {
      start();
      return  ;
   }

   protected void standAlone() {
   }
   protected void QNRefresh() {
      standAlone();
      VariablesToControls();
      /* Quenora Refresh */
   }
   protected void E11V0M()
   {
      /* &Size.ClickRoutine */
      eventLevelContext();
      HitSizeClick = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E12V0M()
   {
      /* &Name.ClickRoutine */
      eventLevelContext();
      HitNameClick = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E13V0M()
   {
      /* &Name.DblclickRoutine */
      eventLevelContext();
      HitNameDbl = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E14V0M()
   {
      /* &Size.RightbuttonRoutine */
      eventLevelContext();
      HitSizeRight = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E15V0M()
   {
      /* &Note.GotfocusRoutine */
      eventLevelContext();
      HitNoteGot = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E16V0M()
   {
      /* &Note.IsvalidRoutine */
      eventLevelContext();
      HitNoteValid = (byte)(1) ;
   }

   protected void E17V0M()
   {
      /* GoRoutine */
      eventLevelContext();
      HitGo = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E18V0M()
   {
      /* HelpRoutine */
      eventLevelContext();
      HitHelp = (byte)(1) ;
      eventLevelResetContext();
   }

   public void QNEnter()
   {
      /* Execute user event: E19V0M */
      E19V0M();
   }

   protected void E19V0M()
   {
      /* EnterRoutine */
      eventLevelContext();
      HitEnter = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E20V0M()
   {
      /* &Gone.ClickRoutine */
      eventLevelContext();
      HitGone = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void E21V0M()
   {
      /* Menubar.SaveRoutine */
      eventLevelContext();
      HitSave = (byte)(1) ;
      eventLevelResetContext();
   }

   protected void screen() {
      QNPanel1 = new QNPanel(this, 0 , 0 , 300 , 200 );
      this.setIBackground(UIFactory.getColor(255, 255, 255));
      this.setIForeground(UIFactory.getColor(0, 0, 0));
      QNPanel1.refreshFrame();
      cmbSize = new GUIObjectByte ( new QNComboBox() , QNPanel1 , 10 , 10 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Size" );
      ((QNComboBox) cmbSize.getQNComponent()).addItem( new Byte((byte)(1)),"Small");
      ((QNComboBox) cmbSize.getQNComponent()).addItem( new Byte((byte)(2)),"Large");
      cmbSize.addFocusListener(this);
      cmbSize.addItemListener(this);
      cmbSize.addMouseListener(this);
      edtName = new GUIObjectString ( new QNEdit(20, "", UIFactory.getFont( "MS Sans Serif", 0, 8),10, 40, 100, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 10 , 40 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Name" );
      ((QNEdit) edtName.getQNComponent()).setAlignment(ILabel.LEFT);
      edtName.addFocusListener(this);
      edtName.addMouseListener(this);
      edtNote = new GUIObjectString ( new QNEdit(20, "", UIFactory.getFont( "MS Sans Serif", 0, 8),10, 70, 100, 20, QNPanel1, false, ILabel.BORDER_NONE, QNTypeConstants.CHAR, false) , QNPanel1 , 10 , 70 , 100 , 20 , Integer.MAX_VALUE , UIFactory.getColor(0, 0, 0) , UIFactory.getFont( "MS Sans Serif", 0, 8) , true , "Note" );
      ((QNEdit) edtNote.getQNComponent()).setAlignment(ILabel.LEFT);
      edtNote.addFocusListener(this);
      bttgo = UIFactory.getQNButton(QNPanel1 , "Go" , 170 , 100 , 70 , 20 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      bttgo.setTooltip("Go");
      bttgo.addActionListener(this);
      btt6 = UIFactory.getQNButton(QNPanel1 , "Cancel" , 90 , 100 , 70 , 20 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt6.setTooltip("Cancel");
      btt6.addActionListener(this);
      btt5 = UIFactory.getQNButton(QNPanel1 , "Refresh" , 10 , 100 , 70 , 20 , UIFactory.getFont( "MS Sans Serif", 0, 8) );
      btt5.setTooltip("Refresh");
      btt5.addActionListener(this);
      focusManager.setControlList(new IFocusableControl[] {
                cmbSize,
                edtName,
                edtNote,
                btt5,
                btt6,
                bttgo
      });
   }
   protected void setFocusFirst() {
      setFocus(cmbSize, true);
   }
   public void setNoAccept(Object eventSource) {
   }
   protected void VariablesToControls() {
      cmbSize.setValue( Size );
      edtName.setValue( Name );
      edtNote.setValue( Note );
   }
   protected void ControlsToVariables() {
      Size = cmbSize.getValue() ;
      Name = edtName.getValue() ;
      Note = edtNote.getValue() ;
   }
   protected void eventNoLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelContext() {
      ControlsToVariables();
   }
   protected void eventLevelResetContext() {
   }
   public void setConditionalColor(boolean all, Object control) {
   }
   protected void actionEventDispatch(Object eventSource) {
      if (btt5.isEventSource(eventSource)) {
         QNRefresh();
         return;
      }
      if (btt6.isEventSource(eventSource)) {
         cleanup();
         return;
      }
      if (bttgo.isEventSource(eventSource)) {
         /* Execute user event: E17V0M */
         E17V0M();
         return;
      }
   }
   protected void setCurrentQNCursor(Object eventSource) {
      if (cmbSize.isEventSource(eventSource)) {
         setQNCursor(cmbSize.getQNCursor());
         return;
      }
      if (edtName.isEventSource(eventSource)) {
         setQNCursor(edtName.getQNCursor());
         return;
      }
      if (edtNote.isEventSource(eventSource)) {
         setQNCursor(edtNote.getQNCursor());
         return;
      }
   }
   protected void gotFocusEventDispatch(Object eventSource) {
      if (edtNote.isEventSource(eventSource)) {
         /* Execute user event: E15V0M */
         E15V0M();
         return;
      }
   }
   protected void focusEventDispatch(Object eventSource) {
      if (edtNote.isEventSource(eventSource)) {
         /* Execute user event: E16V0M */
         E16V0M();
         return;
      }
   }
   protected void updateAttributes(Object eventSource) {
      if (cmbSize.isEventSource(eventSource)) {
         Size = cmbSize.getValue() ;
         return;
      }
      if (edtName.isEventSource(eventSource)) {
         Name = edtName.getValue() ;
         return;
      }
      if (edtNote.isEventSource(eventSource)) {
         Note = edtNote.getValue() ;
         return;
      }
   }
   protected void itemEventDispatch(Object eventSource) {
      if (cmbSize.isEventSource(eventSource)) {
         /* Execute user event: E11V0M */
         E11V0M();
         return;
      }
   }
   public void mouseEventDispatch(Object eventSource, int modifier) {
      if (edtName.isEventSource(eventSource) && modifier == MOUSE_LEFTCLICK) {
         /* Execute user event: E12V0M */
         E12V0M();
         return;
      }
      if (edtName.isEventSource(eventSource) && modifier == MOUSE_DBLCLICK) {
         /* Execute user event: E13V0M */
         E13V0M();
         return;
      }
      if (cmbSize.isEventSource(eventSource) && modifier == MOUSE_RIGHTCLICK) {
         /* Execute user event: E14V0M */
         E14V0M();
         return;
      }
   }
   public void keyEventDispatch(Object eventSource, int keyCode) {
      if (keyCode == UIFactory.getKeyCodes().getF5()) {
         /* Execute user event: E18V0M */
         E18V0M();
         return;
      }
      if (triggerEventEnter(eventSource, keyCode)) {
         /* Execute user event: E19V0M */
         E19V0M();
         return;
      }
   }
   public boolean menuActionPerformed(String action)
   {
      if (action.equals("save")) {
         E21V0M();
         return true;
      }
      return false;
   }

   public IQNButton getCancelButton() {
      return btt6 ;
   }
   public void refreshArray(String array) {
   }
   protected void cleanup( )
   {
      stopThreads();
      super.cleanup();
      Application.cleanup(context, this, remoteHandle);
   }

   public void initialize( )
   {
      HitSizeClick = 0 ;
      HitNameClick = 0 ;
      HitNameDbl = 0 ;
      HitSizeRight = 0 ;
      HitNoteGot = 0 ;
      HitNoteValid = 0 ;
      HitGo = 0 ;
      HitHelp = 0 ;
      HitEnter = 0 ;
      HitGone = 0 ;
      HitSave = 0 ;
      Size = 0 ;
      Name = "" ;
      Note = "" ;
      /* Quenora formulas. */
   }

   protected byte HitSizeClick ;
   protected byte HitNameClick ;
   protected byte HitNameDbl ;
   protected byte HitSizeRight ;
   protected byte HitNoteGot ;
   protected byte HitNoteValid ;
   protected byte HitGo ;
   protected byte HitHelp ;
   protected byte HitEnter ;
   protected byte HitGone ;
   protected byte HitSave ;
   protected byte Size ;
   protected String Name ;
   protected String Note ;
   protected QNPanel QNPanel1 ;
   protected GUIObjectByte cmbSize ;
   protected GUIObjectString edtName ;
   protected GUIObjectString edtNote ;
   protected IQNButton bttgo ;
   protected IQNButton btt6 ;
   protected IQNButton btt5 ;
}

